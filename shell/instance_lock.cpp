// The previous-instance test: true only while another copy of the program runs.
#include "instance_lock.h"

#include "lock_folder.h"

#include <QDir>
#include <QLockFile>

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

bool InstanceLock::acquire()
{
    if (m_lock->isLocked())
        return true;
    if (m_lock->tryLock(0))
        return true;
    // Only a lock held by a running copy counts; an unwritable folder must not
    // keep the program from starting.
    return m_lock->error() != QLockFile::LockFailedError;
}

void InstanceLock::release()
{
    if (m_lock->isLocked())
        m_lock->unlock();
}

} // namespace shell
