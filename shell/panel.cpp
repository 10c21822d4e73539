// A coloured strip or panel that answers clicks and pointer moves.
#include "panel.h"

#include <QMouseEvent>

namespace shell {

Panel::Panel(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void Panel::setBackground(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Panel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void Panel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

void Panel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace shell
