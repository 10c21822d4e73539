// Hands the launcher the factories of this tool's windows.
#pragma once

class frmMDI;

namespace iching {

void registerWindows(frmMDI &mdi);

} // namespace iching
