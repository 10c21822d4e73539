// Hands the launcher the factories of the draw and result forms.
#include "mahjong_windows.h"

#include "frmMahjongOracleDisplay.h"
#include "frmMahjongOracleMain.h"

#include "shell/frmMDI.h"

namespace mahjong {

void registerWindows(frmMDI &mdi)
{
    mdi.windows().registerFactory(frmMahjongOracleMain::Id, [&mdi] { return new frmMahjongOracleMain(mdi); });
    mdi.windows().registerFactory(frmMahjongOracleDisplay::Id, [&mdi] { return new frmMahjongOracleDisplay(mdi); });
}

} // namespace mahjong
