// The character-offset scrambling of the reminder setting and the Zodiac result files.
#pragma once

#include <QString>

namespace shell {

// One offset for the settings and the result files alike. Above 13 so that no
// scrambled byte can be a line end; at most 127 so printable text always survives.
inline constexpr int ScrambleOffset = 21;

// Raises every Latin-1 code by the offset; a character that would pass 255 is dropped,
// and so is one that has no Latin-1 code at all.
QString EncodeText(const QString &text);
// Lowers every code by the offset; a character that would fall below 0 is dropped.
QString DecodeText(const QString &text);

} // namespace shell
