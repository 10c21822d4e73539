// The previous-instance test: true only while another copy of the program runs.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace shell {

class InstanceLock
{
public:
    // `folder` empty means the user's runtime folder.
    explicit InstanceLock(const QString &name = QStringLiteral("tavrenne"), const QString &folder = QString());
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // Takes the lock for this copy; false when a running copy holds it.
    bool acquire();
    void release();
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace shell
