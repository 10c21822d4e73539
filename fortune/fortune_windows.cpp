// Hands the launcher the factories of this tool's windows.
#include "fortune_windows.h"

#include "shell/frmMDI.h"

namespace fortune {

void registerWindows(frmMDI &)
{
}

} // namespace fortune
