// Result files: the five entries of a reading, each line scrambled, CR LF after each.
#pragma once

#include "zodiac_result.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace zodiac {

// Name, sex, day, month, year: all a file stores; the rest is recomputed on opening.
using ResultLines = std::array<QString, 5>;

// Reading more than this could not come from a saved reading; a huge file picked by
// mistake must neither hang the program nor fill its memory.
inline constexpr qint64 ResultFileReadLimit = 64 * 1024;

QByteArray encodeResultFile(const ZodiacReading &reading);
// The five unscrambled lines of the bytes; lines that are not there are empty.
ResultLines decodeResultFile(const QByteArray &bytes);

// Writes beside the target and renames, so a failed save never leaves half a file in place
// of a good one. On failure returns false with the reason in `error`.
bool saveResultFile(const QString &path, const ZodiacReading &reading, QString *error = nullptr);
// At most ResultFileReadLimit bytes of the file; a missing or unreadable file gives five empty lines.
ResultLines readResultFile(const QString &path);

// The open dialog's check: the last three characters are exactly "str".
bool hasResultFileExtension(const QString &fileName);

} // namespace zodiac
