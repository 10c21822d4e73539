// Hands the launcher the factories of the cookie windows.
#include "fortune_windows.h"

#include "frmFortuneCookieDisplay.h"
#include "frmFortuneCookieMain.h"

#include "shell/frmMDI.h"

namespace fortune {

void registerWindows(frmMDI &mdi)
{
    mdi.windows().registerFactory(frmFortuneCookieMain::Id, [&mdi] { return new frmFortuneCookieMain(mdi); });
    mdi.windows().registerFactory(frmFortuneCookieDisplay::Id, [&mdi] { return new frmFortuneCookieDisplay(mdi); });
}

} // namespace fortune
