// Hands the launcher the factories of the I Ching windows.
#include "iching_windows.h"

#include "FrmIChingReading.h"
#include "FrmIChingSoftwareMain.h"
#include "frmIChingSoftwareStart.h"

#include "shell/frmMDI.h"

namespace iching {

void registerWindows(frmMDI &mdi)
{
    mdi.windows().registerFactory(frmIChingSoftwareStart::Id, [&mdi] { return new frmIChingSoftwareStart(mdi); });
    mdi.windows().registerFactory(FrmIChingSoftwareMain::Id, [&mdi] { return new FrmIChingSoftwareMain(mdi); });
    mdi.windows().registerFactory(FrmIChingReading::Id, [&mdi] { return new FrmIChingReading(mdi); });
}

} // namespace iching
