// Result files: the five entries of a reading, each line scrambled, CR LF after each. A name
// the scrambling would cut short gets a sixth line holding it whole.
#pragma once

#include "zodiac_result.h"

#include "shell/regular_files.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace zodiac {

// Name, sex, day, month, year: all a file stores; the rest is recomputed on opening.
using ResultLines = std::array<QString, 5>;

// The longest name the entry form takes, and so the longest a file is written with.
inline constexpr int NameLengthLimit = 32767;
// Reading more than this could not come from a saved reading; a huge file picked by mistake must
// neither hang the program nor fill its memory. A name character costs at most ten bytes: one on
// line 1 and, percent-encoded UTF-8, at most nine on the sixth line; the other lines stay short.
inline constexpr qint64 ResultFileReadLimit = 10 * qint64(NameLengthLimit) + 1024;

QByteArray encodeResultFile(const ZodiacReading &reading);
// The five unscrambled lines of the bytes; lines that are not there are empty. The name comes
// whole from a sixth line that agrees with line 1.
ResultLines decodeResultFile(const QByteArray &bytes);

// Writes beside the target and renames, so a failed save never leaves half a file in place
// of a good one. On failure returns false with the reason in `error`.
bool saveResultFile(const QString &path, const ZodiacReading &reading, QString *error = nullptr);
// At most ResultFileReadLimit bytes of the file; a missing or unreadable file, or anything that is
// not a regular file, gives five empty lines.
ResultLines readResultFile(const QString &path);

// The open dialog's check: the last three characters are exactly "str".
bool hasResultFileExtension(const QString &fileName);
using shell::isRegularFile;

} // namespace zodiac
