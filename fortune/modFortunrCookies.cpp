// The drawn fortune and the routine that puts it on the result form.
#include "modFortunrCookies.h"

#include "fortune_lookup.h"
#include "frmFortuneCookieDisplay.h"

#include <QLabel>

namespace fortune {

qint16 FortuneNumber = 0;

void ShowFortune(shell::WindowRegistry &windows)
{
    if (auto *display = windows.window<frmFortuneCookieDisplay>())
        display->lblFortuneMassage->setText(fortuneText(FortuneNumber));
}

} // namespace fortune
