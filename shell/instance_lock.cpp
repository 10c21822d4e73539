// The previous-instance test: true only while another copy of the program runs.
//
// Two signs of a running copy, both of which end with the process that holds them: the lock file, which a
// running copy keeps locked, and a channel no cleaner can delete (an abstract-namespace socket on Linux, a
// named mutex on Windows). A file that cannot be locked, and that no running copy holds, says nothing about
// other copies: the lock then moves to a private folder.
#include "instance_lock.h"

#include "lock_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <QSocketNotifier>

#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace shell {

namespace {

enum class Claim { Taken, HeldElsewhere, Unavailable };

// Whether a running process holds the lock file at `path`, asked of the file lock itself: Qt keeps the
// file it locks open and locked, so the lock goes when its holder ends, however the holder ended.
bool lockedByAProcess(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status = {};
    bool held = false;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
#elif defined(Q_OS_WIN)
    // Qt's lock shares its file for reading only: asking to write is refused while a copy holds it.
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                    GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// Every copy meets the same unusable path, so they all meet again in this private folder.
QString privateLockPath(const QString &path)
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return QString();
    const QString folder = QDir(cache).filePath(QFileInfo(path).completeBaseName());
    if (!QDir().mkpath(folder))
        return QString();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return QDir(folder).filePath(QFileInfo(path).fileName());
}

} // namespace

// The channel is named after the lock path the copies share (before any move to the private folder), so
// that copies with other runtime folders, such as other users' or tests', never meet.
class InstanceLock::Channel
{
public:
    explicit Channel(const QString &lockPath)
        : m_key(QCryptographicHash::hash(QFile::encodeName(QFileInfo(lockPath).absoluteFilePath()),
                                         QCryptographicHash::Sha1)
                    .toHex())
    {
    }
    ~Channel() { close(); }

#ifdef Q_OS_LINUX
    Claim claim()
    {
        if (m_fd >= 0)
            return Claim::Taken;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return Claim::Unavailable;
        socklen_t length = 0;
        const sockaddr_un address = this->address(&length);
        if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0 && ::listen(fd, 8) == 0) {
            m_fd = fd;
            listen();
            return Claim::Taken;
        }
        const int error = errno;
        ::close(fd);
        return error == EADDRINUSE ? Claim::HeldElsewhere : Claim::Unavailable;
    }

    void close()
    {
        m_notifier.reset();
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    void onKnock(std::function<void()> knocked)
    {
        m_knocked = std::move(knocked);
        listen();
    }

    void knock() const
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return;
        socklen_t length = 0;
        const sockaddr_un address = this->address(&length);
        // Being accepted is the whole message; a busy copy that misses it has lost nothing.
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length);
        ::close(fd);
    }

private:
    // Abstract: a leading zero byte, no file anywhere; the kernel frees the name when the holder ends.
    sockaddr_un address(socklen_t *length) const
    {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray name = "tavrenne-" + QByteArray::number(::getuid()) + '-' + m_key;
        std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
        *length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        return address;
    }

    void listen()
    {
        if (m_fd < 0 || !m_knocked || m_notifier)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
            bool knocked = false;
            for (int fd; (fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
                ::close(fd);
                knocked = true;
            }
            if (knocked && m_knocked)
                m_knocked();
        });
    }

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void()> m_knocked;
#elif defined(Q_OS_WIN)
    Claim claim()
    {
        if (m_mutex)
            return Claim::Taken;
        // Local\: one per session, as the user's own copies are.
        const QString name = QStringLiteral("Local\\tavrenne-") + QString::fromLatin1(m_key);
        const HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t *>(name.utf16()));
        if (!mutex)
            return Claim::Unavailable;
        if (GetLastError() == ERROR_ALREADY_EXISTS) {
            CloseHandle(mutex);
            return Claim::HeldElsewhere;
        }
        m_mutex = mutex;
        return Claim::Taken;
    }

    void close()
    {
        if (m_mutex)
            CloseHandle(m_mutex);
        m_mutex = nullptr;
    }

    // A mutex carries no message.
    void onKnock(std::function<void()>)
    {
    }
    void knock() const
    {
    }

private:
    HANDLE m_mutex = nullptr;
#else
    Claim claim()
    {
        return Claim::Unavailable;
    }
    void close()
    {
    }
    void onKnock(std::function<void()>)
    {
    }
    void knock() const
    {
    }

private:
#endif
    QByteArray m_key;
};

InstanceLock::InstanceLock(const QString &name, const QString &folder)
{
    const QString dir = folder.isEmpty() ? defaultLockFolder() : folder;
    m_firstPath = QDir(dir).filePath(name + QStringLiteral(".lock"));
    m_path = m_firstPath;
    m_channel = std::make_unique<Channel>(m_firstPath);
}

InstanceLock::~InstanceLock()
{
    release();
}

InstanceLock::FileOutcome InstanceLock::takeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    auto lock = std::make_unique<QLockFile>(path);
    // Never age out a live copy's lock; a dead copy's lock is recognised by its process id and taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            return FileOutcome::Unusable;
        if (lockedByAProcess(path))
            return FileOutcome::HeldByARunningCopy;
        // Nobody holds it: left by a copy that ended or by another host, or planted. Taken over where it can
        // be removed; a folder, a dangling link or a file this user may not replace cannot be.
        if (!lock->removeStaleLockFile() || !lock->tryLock(0))
            return FileOutcome::Unusable;
    }
    m_path = path;
    m_lock = std::move(lock);
    return FileOutcome::Taken;
}

bool InstanceLock::acquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    if (m_channel->claim() == Claim::HeldElsewhere)
        return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QString path = attempt == 0 ? m_firstPath : privateLockPath(m_firstPath);
        if (path.isEmpty())
            continue;
        switch (takeFile(path)) {
        case FileOutcome::Taken:
            return true;
        case FileOutcome::HeldByARunningCopy:
            m_channel->close();
            return false;
        case FileOutcome::Unusable:
            break;
        }
    }
    // The channel alone still keeps a second copy out; with neither, starting beats never starting.
    return true;
}

void InstanceLock::release()
{
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
    m_lock.reset();
    m_channel->close();
}

void InstanceLock::onKnock(std::function<void()> knocked)
{
    m_channel->onKnock(std::move(knocked));
}

void InstanceLock::knockOnRunningCopy()
{
    m_channel->knock();
}

} // namespace shell
