// Hands the launcher the factories of this tool's windows.
#pragma once

class frmMDI;

namespace fortune {

void registerWindows(frmMDI &mdi);

} // namespace fortune
