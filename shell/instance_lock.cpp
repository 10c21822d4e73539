// The previous-instance test: true only while another copy of the program runs.
#include "instance_lock.h"

#include "lock_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

namespace shell {

InstanceLock::InstanceLock(const QString &name, const QString &folder)
{
    const QString dir = folder.isEmpty() ? defaultLockFolder() : folder;
    QDir().mkpath(dir);
    m_path = QDir(dir).filePath(name + QStringLiteral(".lock"));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never age out a live copy's lock; a dead copy's lock is recognised by its
    // process id and taken over.
    m_lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

namespace {

enum class Outcome { Taken, HeldByARunningCopy, FolderUnusable };

Outcome take(QLockFile &lock)
{
    if (lock.tryLock(0))
        return Outcome::Taken;
    if (lock.error() != QLockFile::LockFailedError)
        return Outcome::FolderUnusable;
    qint64 pid = 0;
    QString host;
    QString application;
    // A copy starting this instant may not have written its details yet.
    if (!lock.getLockInfo(&pid, &host, &application))
        QThread::msleep(100);
    // Details of this host that the lock did not take over name a process that runs.
    if (lock.getLockInfo(&pid, &host, &application) && (host.isEmpty() || host == QSysInfo::machineHostName()))
        return Outcome::HeldByARunningCopy;
    // No details, or another host's: nothing shows the holder alive. A running copy keeps its
    // file locked for as long as it runs, and then the file can't be removed.
    if (lock.removeStaleLockFile() && lock.tryLock(0))
        return Outcome::Taken;
    return Outcome::HeldByARunningCopy;
}

} // namespace

bool InstanceLock::acquire()
{
    if (m_lock->isLocked())
        return true;
    Outcome outcome = take(*m_lock);
    if (outcome == Outcome::FolderUnusable) {
        // Every copy meets the same unusable folder, so they all meet again in this private one.
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        const QString folder = QDir(cache).filePath(QFileInfo(m_path).completeBaseName());
        if (!cache.isEmpty() && QDir().mkpath(folder)) {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            m_path = QDir(folder).filePath(QFileInfo(m_path).fileName());
            m_lock = std::make_unique<QLockFile>(m_path);
            m_lock->setStaleLockTime(0);
            outcome = take(*m_lock);
        }
    }
    // With nowhere to keep a lock at all, starting beats never starting.
    return outcome != Outcome::HeldByARunningCopy;
}

void InstanceLock::release()
{
    if (m_lock->isLocked())
        m_lock->unlock();
}

} // namespace shell
