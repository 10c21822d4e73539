// Telling a screen reader what just happened, where the focus stays put.
#pragma once

#include <QString>

class QWidget;

namespace shell {

// Has a screen reader say `text` without moving the focus, as a notification of `window` that appears.
// Qt 6.4 hands a change of a control's name or description to the screen reader without its text, so
// Orca speaks neither; a notification that shows it reads.
void announce(QWidget *window, const QString &text);

} // namespace shell
