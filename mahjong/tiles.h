// The 42 tiles of the oracle: names, meaning and picture key of each row.
#pragma once

#include <array>

namespace mahjong {

struct TileRow
{
    const char *name;
    const char *englishName;
    const char *chineseName; // UTF-8 romanisation
    const char *description; // one line
    const char *pictureName; // the picture's key in the image list
};

inline constexpr int TileCount = 42;

// Row n of the oracle is Tiles[n - 1].
extern const std::array<TileRow, TileCount> Tiles;

} // namespace mahjong
