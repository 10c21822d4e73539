// Small helpers for building windows in code: fonts, colours and named controls.
#include "ui.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace shell {

QFont verdana(qreal points, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

void setBackgroundColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setButtonFace(QWidget *button, const QColor &face)
{
    QPalette p = button->palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(p);
}

void drawFocusMark(QPainter &painter, const QWidget *control, const QRect &rect)
{
    QStyleOptionFocusRect option;
    option.initFrom(control);
    option.rect = rect;
    option.backgroundColor = control->palette().color(QPalette::Window);
    control->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, control);
}

} // namespace shell
