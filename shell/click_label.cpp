// A label that answers clicks and pointer moves, as the launcher's captions and the banner links need.
#include "click_label.h"

#include "ui.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace shell {

namespace {

// A screen reader's view of a clickable label: plain text, or a link with a press action when it is one.
// The label may become a link after this is made, so every answer looks at the label as it is now.
class ClickLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccessible(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QAccessible::Role role() const override { return label()->isLink() ? QAccessible::Link : QAccessible::StaticText; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = label()->isLink();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isLink())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction() || !label()->isLink()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Later, as a button's press is: the caller gets its answer before whatever the link opens.
        ClickLabel *target = label();
        QMetaObject::invokeMethod(
            target, [target] { emit target->clicked(); }, Qt::QueuedConnection);
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
};

QAccessibleInterface *clickLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()) && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&clickLabelAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setMouseTracking(true);
}

void ClickLabel::makeLink()
{
    m_link = true;
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Taken here, so the panel under the label does not see the move as its own.
    event->accept();
    emit mouseMoved();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn over the label rather than as a frame, so the text never moves or gets cut.
    QPainter painter(this);
    drawFocusMark(painter, this, rect());
}

} // namespace shell
