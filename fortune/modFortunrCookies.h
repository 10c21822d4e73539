// The drawn fortune and the routine that puts it on the result form.
#pragma once

#include <QtGlobal>

namespace shell {
class WindowRegistry;
}

namespace fortune {

// The number of the most recent draw, 0 to 155.
extern qint16 FortuneNumber;

// Writes fortune FortuneNumber into the result form, loading the form if need be.
void ShowFortune(shell::WindowRegistry &windows);

} // namespace fortune
