// One line of text the user gave, shown as plain text and cut short with an ellipsis where it
// does not fit; the whole text stays in the tooltip and the accessible name.
#include "elided_label.h"

#include <QPainter>
#include <QStyle>

namespace shell {

namespace {

// One line: line breaks a file may carry would otherwise stack lines the layout has no room for.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == QChar(10) || c == QChar(13) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString plainTextAsRichText(const QString &text)
{
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{
    // A name that looks like markup is still a name; rich text would load the pictures it names.
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidedLabel::setText(const QString &text)
{
    QLabel::setText(text);
    // Qt would derive the name from the text but drop its ampersands, taking them for shortcut marks.
    setAccessibleName(text);
    updateToolTip();
}

QString ElidedLabel::shownText() const
{
    const int room = contentsRect().width() - 2 * margin();
    const QString line = oneLine(text());
    const QFontMetrics metrics = fontMetrics();
    QString shown = metrics.elidedText(line, Qt::ElideRight, room);
    // Eliding and measuring can disagree by a pixel over characters drawn as boxes (DEL, say):
    // the measure decides, so the last letter is never clipped.
    for (int target = room, tries = 0; tries < 8 && metrics.horizontalAdvance(shown) > room; ++tries) {
        target -= metrics.horizontalAdvance(shown) - room;
        shown = metrics.elidedText(line, Qt::ElideRight, target);
    }
    return shown;
}

QSize ElidedLabel::sizeHint() const
{
    return minimumSizeHint();
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins frame = contentsMargins();
    const int extra = 2 * margin();
    return QSize(fontMetrics().horizontalAdvance(QChar(0x2026)) + extra + frame.left() + frame.right(),
                 fontMetrics().height() + extra + frame.top() + frame.bottom());
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shownText(), foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ElidedLabel::updateToolTip()
{
    setToolTip(shownText() == oneLine(text()) ? QString() : plainTextAsRichText(text()));
}

} // namespace shell
