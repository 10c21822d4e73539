// A box that shows a picture, scaled to fit.
#include "picture_box.h"

#include "ui.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace shell {

namespace {

// A picture with a name is an image a screen reader announces; one without is decoration it passes over.
class PictureBoxAccessible : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(QWidget *box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {
    }

    QAccessible::Role role() const override
    {
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Graphic;
    }
};

QAccessibleInterface *pictureBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(PictureBox::staticMetaObject.className()) && object && object->isWidgetType())
        return new PictureBoxAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&pictureBoxAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_picture.paint(painter, rect());
    // A picture that carries a reading may take the focus, so a screen reader reads it when it appears.
    if (hasFocus())
        drawFocusMark(painter, this, rect().adjusted(1, 1, -1, -1));
}

} // namespace shell
