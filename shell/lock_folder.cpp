// Where the previous-instance lock lives when no folder is given.
#include "lock_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace shell {

QString defaultLockFolder()
{
#ifdef Q_OS_WIN
    // Qt's runtime location on Windows is the home folder itself; the per-user temporary folder, under
    // the local application data, is where a lock belongs there.
    return QDir::tempPath();
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
#endif
}

} // namespace shell
