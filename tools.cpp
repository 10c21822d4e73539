// The four tools the launcher offers.
#include "tools.h"

#include "fortune/fortune_windows.h"
#include "iching/iching_windows.h"
#include "mahjong/mahjong_windows.h"
#include "zodiac/zodiac_windows.h"

void registerTools(frmMDI &mdi)
{
    fortune::registerWindows(mdi);
    iching::registerWindows(mdi);
    zodiac::registerWindows(mdi);
    mahjong::registerWindows(mdi);
}
