// Where the previous-instance lock lives when no folder is given.
#pragma once

#include <QString>

namespace shell {

QString defaultLockFolder();

} // namespace shell
