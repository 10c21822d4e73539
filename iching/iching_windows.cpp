// Hands the launcher the factories of this tool's windows.
#include "iching_windows.h"

#include "shell/frmMDI.h"

namespace iching {

void registerWindows(frmMDI &)
{
}

} // namespace iching
