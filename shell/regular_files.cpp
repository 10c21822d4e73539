// Reading what the user's disk holds, which may be anything: only regular files are opened.
#include "regular_files.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace shell {

bool isRegularFile(const QString &path)
{
    // Follows a link to what it points at; a link to a device is a device.
    return QFileInfo(path).isFile();
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit)
{
    if (!isRegularFile(path))
        return std::nullopt;
    QFile file(path);
#ifdef Q_OS_UNIX
    // Should the file turn into a pipe after the check, a non-blocking open still returns at once.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
#else
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
#endif
    return file.read(limit);
}

} // namespace shell
