// Hands the launcher the factories of this tool's windows.
#include "zodiac_windows.h"

#include "frmChineseZodiacDisplay.h"
#include "frmChineseZodiacMain.h"
#include "frmChineseZodiacSave.h"

#include "shell/frmMDI.h"

namespace zodiac {

void registerWindows(frmMDI &mdi)
{
    mdi.windows().registerFactory(frmChineseZodiacMain::Id, [&mdi] { return new frmChineseZodiacMain(mdi); });
    mdi.windows().registerFactory(frmChineseZodiacDisplay::Id, [&mdi] { return new frmChineseZodiacDisplay(mdi); });
    mdi.windows().registerFactory(frmChineseZodiacSave::Id, [&mdi] { return new frmChineseZodiacSave(mdi); });
}

} // namespace zodiac
