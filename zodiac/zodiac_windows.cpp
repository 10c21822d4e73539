// Hands the launcher the factories of this tool's windows.
#include "zodiac_windows.h"

#include "shell/frmMDI.h"

namespace zodiac {

void registerWindows(frmMDI &)
{
}

} // namespace zodiac
