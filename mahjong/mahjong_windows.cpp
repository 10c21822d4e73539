// Hands the launcher the factories of this tool's windows.
#include "mahjong_windows.h"

#include "shell/frmMDI.h"

namespace mahjong {

void registerWindows(frmMDI &)
{
}

} // namespace mahjong
