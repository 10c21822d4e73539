// The previous-instance test: true only while another copy of the program runs.
#pragma once

#include <QString>

#include <functional>
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
    // The lock file this copy holds, or would try first.
    QString path() const { return m_path; }

    // While this copy holds the lock, `knocked` runs whenever a refused copy knocks.
    void onKnock(std::function<void()> knocked);
    // From a refused copy: lets the running one know someone wanted it (where the platform allows).
    void knockOnRunningCopy();

    class Channel;

private:
    enum class FileOutcome { Taken, HeldByARunningCopy, Unusable };
    FileOutcome takeFile(const QString &path);

    QString m_firstPath;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<Channel> m_channel;
};

} // namespace shell
