// One line of a hexagram figure: holds its symbol text and draws it as a bar.
#include "figure_line.h"

#include "casting.h"

#include <QPainter>
#include <QPainterPath>

namespace iching {

FigureLine::FigureLine(QWidget *parent)
    : QLabel(parent)
{
}

QSize FigureLine::sizeHint() const
{
    return QSize(120, 19);
}

void FigureLine::paintEvent(QPaintEvent *)
{
    const QString symbol = text();
    if (symbol.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal height = std::max(4.0, rect().height() * 0.5);
    const QRectF bar(rect().width() * 0.06, (rect().height() - height) / 2.0, rect().width() * 0.88, height);
    const QColor ink(25, 25, 35);
    const QColor mark(178, 34, 34);
    const qreal gap = bar.width() * 0.18;
    const QRectF left(bar.left(), bar.top(), (bar.width() - gap) / 2.0, bar.height());
    const QRectF right(bar.right() - left.width(), bar.top(), left.width(), bar.height());
    const QPointF centre = bar.center();
    const qreal markSize = bar.height() * 1.3;

    // A changing line stands out by its mark in red: a circle on the old yang, a cross on the old yin.
    if (symbol == symbolText(LineSymbol::Yang) || symbol == symbolText(LineSymbol::OldYang)) {
        painter.fillRect(bar, ink);
        if (symbol == symbolText(LineSymbol::OldYang)) {
            painter.setBrush(Qt::white);
            painter.setPen(QPen(mark, std::max(1.5, markSize * 0.22)));
            painter.drawEllipse(centre, markSize * 0.55, markSize * 0.55);
        }
    } else {
        painter.fillRect(left, ink);
        painter.fillRect(right, ink);
        if (symbol == symbolText(LineSymbol::OldYin)) {
            painter.setPen(QPen(mark, std::max(1.5, markSize * 0.22), Qt::SolidLine, Qt::RoundCap));
            const qreal s = markSize * 0.45;
            painter.drawLine(centre + QPointF(-s, -s), centre + QPointF(s, s));
            painter.drawLine(centre + QPointF(-s, s), centre + QPointF(s, -s));
        }
    }
}

} // namespace iching
