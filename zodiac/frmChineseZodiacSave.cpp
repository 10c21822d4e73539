// The result sheet: the whole reading as formatted text, to print or to save.
#include "frmChineseZodiacSave.h"

#include "modRTB.h"
#include "result_file.h"
#include "result_sheet.h"
#include "zodiac_result.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/platform.h"
#include "shell/text_box.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

#include <memory>

using namespace shell;

std::function<QPrinterInfo()> frmChineseZodiacSave::defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };

frmChineseZodiacSave::frmChineseZodiacSave(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    // Its own title, so that a screen reader tells the sheet from the reading it stands over.
    setWindowTitle(QStringLiteral("Qelvo Chinese Zodiac Software - Result Sheet"));
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close, Qt::WidgetWithChildrenShortcut);

    addBannerStrip(form(), twipsRect(0, 0, 9600, 420), {{QStringLiteral("Label14"), WebPage::HomePage}},
                   QStringLiteral("bannerTop"));

    RTB = named<QTextBrowser>(form(), QStringLiteral("RTB"));
    RTB->setGeometry(twipsRect(120, 540, 9360, 5400));
    RTB->setAccessibleName(QStringLiteral("Your Chinese Zodiac reading"));
    readWhole(RTB);

    cmdSave = named<QPushButton>(form(), QStringLiteral("cmdSave"), QStringLiteral("&Save"));
    cmdPrint = named<QPushButton>(form(), QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    cmdSave->setGeometry(twipsRect(6240, 6060, 1560, 420));
    cmdPrint->setGeometry(twipsRect(7920, 6060, 1560, 420));
    for (QPushButton *button : {cmdSave, cmdPrint}) {
        button->setFont(verdana(8.25, true));
        setButtonFace(button);
    }
    connect(cmdSave, &QPushButton::clicked, this, &frmChineseZodiacSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmChineseZodiacSave::cmdPrint_Click);

    fraFullBrand = addBannerStrip(form(), twipsRect(0, 6600, 9600, 420),
                                  {{QStringLiteral("Label1"), WebPage::HomePage,
                                    QStringLiteral("Share your reading on the Tavrenne pages")},
                                   {QStringLiteral("lblCobrand"), WebPage::CoBranding},
                                   {QStringLiteral("lblFullBrand"), WebPage::BrandingOffer}},
                                  QStringLiteral("fraFullBrand"));
    setClientSizeTwips(9600, 7020);
}

void frmChineseZodiacSave::Form_Load()
{
    EnableRichTextLinks(RTB, this);
    place();
    buildSheet();
    // The reading, not the banner link above it, is what the keyboard meets first.
    RTB->setFocus();
}

void frmChineseZodiacSave::buildSheet()
{
    QTextCharFormat label;
    label.setFont(verdana(9.75, true));
    label.setForeground(QColor(128, 0, 0));
    QTextCharFormat value;
    value.setFont(verdana(9.75, false));
    value.setForeground(Qt::black);

    RTB->clear();
    QTextCursor cursor(RTB->document());
    cursor.movePosition(QTextCursor::End);
    for (const zodiac::SheetRun &run : zodiac::sheetRuns(zodiac::ZodiacResult)) {
        cursor.insertText(run.label, label);
        insertWithLinks(cursor, run.value, value);
        cursor.insertText(QStringLiteral("\n\n\n"), value);
    }
    RTB->moveCursor(QTextCursor::Start);
}

void frmChineseZodiacSave::cmdSave_Click()
{
    const QString path = platform().fileDialogs->ask(
        saveFileRequest(QStringLiteral("Rich Text Format (*.str)"), QStringLiteral("str"),
                        QStringLiteral("Save Your Chinese Zodiac Result ....")));
    if (path.isEmpty())
        return;
    QString error;
    if (!zodiac::saveResultFile(path, zodiac::ZodiacResult, &error)) {
        showMessage(QStringLiteral("Your result could not be saved to %1.").arg(path) + QChar(13) + error,
                    MessageIcon::Critical);
    }
}

void frmChineseZodiacSave::cmdPrint_Click()
{
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);
    const QPrinterInfo printer = defaultPrinter();
    // With no printer there is nothing to print on, and nothing to say.
    if (printer.isNull())
        return;
    QPrinter device(printer, QPrinter::HighResolution);
    device.setDocName(QStringLiteral("Chinese Zodiac reading"));
    printSheet(*RTB->document(), device);
}

void frmChineseZodiacSave::printSheet(const QTextDocument &sheet, QPrinter &printer)
{
    // A queue that does not say it prints colour would otherwise get grey labels; one that can't prints grey anyway.
    printer.setColorMode(QPrinter::Color);
    // The sheet keeps its own margins of 2 cm, well inside any printer's reach: no second margin inside them.
    printer.setFullPage(true);
    // The last value's line breaks space the screen; on paper they could spill onto a page of their own.
    const std::unique_ptr<QTextDocument> paper(sheet.clone());
    QTextBlock last = paper->lastBlock();
    while (last.isValid() && last.text().trimmed().isEmpty())
        last = last.previous();
    if (last.isValid()) {
        QTextCursor tail(paper.get());
        tail.setPosition(last.position() + last.length() - 1);
        tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        tail.removeSelectedText();
    }
    paper->print(&printer);
}
