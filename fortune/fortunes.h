// The fixed collection of 156 fortunes, rows 0 to 155.
#pragma once

#include <QtGlobal>

#include <array>

namespace fortune {

struct FortuneRow
{
    qint16 number;    // equals the row's position
    const char *text; // UTF-8, one line
};

inline constexpr int FortuneCount = 156;

extern const std::array<FortuneRow, FortuneCount> Fortunes;

} // namespace fortune
