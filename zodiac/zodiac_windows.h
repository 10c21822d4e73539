// Hands the launcher the factories of this tool's windows.
#pragma once

class frmMDI;

namespace zodiac {

void registerWindows(frmMDI &mdi);

} // namespace zodiac
