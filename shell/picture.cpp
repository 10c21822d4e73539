// Pictures drawn crisp at any scale: SVG art from resources, or bitmaps from files.
#include "picture.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

namespace shell {

Picture Picture::fromSvg(const QString &path)
{
    Picture p;
    p.m_source = path;
    auto renderer = std::make_shared<QSvgRenderer>(path);
    if (renderer->isValid())
        p.m_svg = std::move(renderer);
    return p;
}

Picture Picture::fromFile(const QString &path)
{
    Picture p;
    p.m_source = path;
    p.m_pixmap.load(path);
    return p;
}

bool Picture::isNull() const
{
    return !m_svg && m_pixmap.isNull();
}

QSize Picture::naturalSize() const
{
    if (m_svg)
        return m_svg->defaultSize();
    return m_pixmap.size();
}

void Picture::paint(QPainter &painter, const QRect &bounds) const
{
    if (isNull() || bounds.isEmpty())
        return;
    QSize size = naturalSize();
    size.scale(bounds.size(), Qt::KeepAspectRatio);
    const QRect target(bounds.x() + (bounds.width() - size.width()) / 2,
                       bounds.y() + (bounds.height() - size.height()) / 2, size.width(), size.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_svg)
        m_svg->render(&painter, target);
    else
        painter.drawPixmap(target, m_pixmap);
    painter.restore();
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    update();
}

QSize PictureBox::sizeHint() const
{
    const QSize natural = m_picture.naturalSize();
    return natural.isValid() && !natural.isEmpty() ? natural : QSize(32, 32);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_picture.paint(painter, rect());
}

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

QSize PictureButton::sizeHint() const
{
    const QSize natural = m_picture.naturalSize();
    return natural.isValid() && !natural.isEmpty() ? natural : QSize(32, 32);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect inner = rect().adjusted(3, 3, -3, -3);
    if (isDown())
        painter.translate(1, 1);
    m_picture.paint(painter, inner);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
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
