// A label that takes the keyboard focus, for a text the user came to read.
#include "reading_label.h"

#include "ui.h"

#include <QPainter>

namespace shell {

ReadingLabel::ReadingLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ReadingLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusMark(painter, this, rect().adjusted(2, 2, -2, -2));
}

} // namespace shell
