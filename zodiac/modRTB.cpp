// Links in the result sheet: web addresses in the text open in the user's browser.
#include "modRTB.h"

#include "result_sheet.h"

#include "shell/web_pages.h"

#include <QTextBrowser>
#include <QTextCursor>

void EnableRichTextLinks(QTextBrowser *richText, QWidget *form)
{
    richText->setOpenLinks(false);
    richText->setOpenExternalLinks(false);
    richText->setTextInteractionFlags(Qt::TextBrowserInteraction);
    QObject::connect(richText, &QTextBrowser::anchorClicked, form, [](const QUrl &address) {
        // A refused address shows nothing, as a failed open does.
        shell::openWebAddress(address);
    });
}

void insertWithLinks(QTextCursor &cursor, const QString &text, const QTextCharFormat &format)
{
    qsizetype done = 0;
    for (const zodiac::WebLink &link : zodiac::findWebLinks(text)) {
        cursor.insertText(text.mid(done, link.start - done), format);
        QTextCharFormat linkFormat = format;
        linkFormat.setAnchor(true);
        linkFormat.setAnchorHref(link.address);
        linkFormat.setFontUnderline(true);
        linkFormat.setForeground(QColor(0, 0, 192));
        cursor.insertText(text.mid(link.start, link.length), linkFormat);
        done = link.start + link.length;
    }
    cursor.insertText(text.mid(done), format);
}
