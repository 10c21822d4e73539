// Processor time and file-size limits of the test process, where the platform has them.
#pragma once

#include <QtGlobal>

namespace testsupport {

// User plus system processor time this process has used, in seconds.
double processorSeconds();

// Caps how large a file this process may write, as a full disk would, until destroyed.
// Only POSIX systems can cap a process so; elsewhere `active()` is false and nothing is capped.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    static bool available();

private:
    qint64 m_saved = -1;
};

// Whether taking write permission from a folder keeps this process from writing there: not for root,
// and not on Windows, where a folder's read-only flag does not stop new files.
bool folderPermissionsBind();

} // namespace testsupport
