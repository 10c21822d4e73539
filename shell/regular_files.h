// Reading what the user's disk holds, which may be anything: only regular files are opened.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace shell {

// A pipe would wait for a writer, a device may never end, a folder holds nothing: only a regular file
// (or a link to one) is worth opening. Asked before anything is opened.
bool isRegularFile(const QString &path);

// The first `limit` bytes of a regular file; nothing when `path` is anything else or can't be read.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit);

} // namespace shell
