// A menu that opens or closes is no change of window to a screen reader.
#include "active_window.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace shell {

bool ActiveWindowStaysQuiet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    if (!watched->isWindowType())
        return false;
    // A window takes these only from the window system; its widgets' own focus changes are theirs. The
    // active window is only replaced after its window has been told, so a real change still passes.
    const QWidget *active = QApplication::activeWindow();
    return active && active->windowHandle() == watched;
}

} // namespace shell
