// Return and Enter press the focused push button anywhere in the program.
#include "return_key.h"

#include <QKeyEvent>
#include <QPushButton>

namespace shell {

bool ReturnPressesButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *button = qobject_cast<QPushButton *>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    // Held down, it presses once, as Space does.
    if (!key->isAutoRepeat())
        button->animateClick();
    return true;
}

} // namespace shell
