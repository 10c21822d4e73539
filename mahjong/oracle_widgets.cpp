// The look both oracle forms share: the felt colours, a framed panel and the small static shapes.
#include "oracle_widgets.h"

#include <QPainter>

namespace mahjong {

RoundedPanel::RoundedPanel(QWidget *parent)
    : QWidget(parent)
{
}

void RoundedPanel::setFill(const QColor &fill)
{
    m_fill = fill;
    update();
}

void RoundedPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(colours::Gold, 1.5));
    painter.setBrush(m_fill);
    painter.drawRoundedRect(frame, 10, 10);
}

Shape::Shape(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::setFill(const QColor &fill)
{
    m_fill = fill;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours::Gold, 1.5));
    painter.setBrush(m_fill);
    painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

} // namespace mahjong
