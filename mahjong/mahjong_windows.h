// Hands the launcher the factories of this tool's windows.
#pragma once

class frmMDI;

namespace mahjong {

void registerWindows(frmMDI &mdi);

} // namespace mahjong
