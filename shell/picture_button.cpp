// A picture that acts as a button.
#include "picture_button.h"

#include "ui.h"

#include <QKeyEvent>
#include <QPainter>

namespace shell {

PictureButton::PictureButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setPicture(const Picture &picture)
{
    m_picture = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect inner = rect().adjusted(3, 3, -3, -3);
    if (isDown())
        painter.translate(1, 1);
    m_picture.paint(painter, inner);
    if (hasFocus())
        drawFocusMark(painter, this, rect().adjusted(1, 1, -1, -1));
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace shell
