// The traditional associations of the wind, flower and season tiles, keyed by English name.
#pragma once

#include <array>

namespace mahjong {

struct WindRow
{
    const char *englishName;
    const char *season;
    const char *color;
    const char *element;
    const char *constellation;
};

struct FlowerRow
{
    const char *englishName;
    const char *player;
    const char *season;
};

struct SeasonRow
{
    const char *englishName;
    const char *player;
    const char *representation;
    const char *flower;
    const char *color;
    const char *element;
};

// Rows in the order a tile's English name is matched against them.
extern const std::array<WindRow, 4> WindAttributes;
extern const std::array<FlowerRow, 4> FlowerAttributes;
extern const std::array<SeasonRow, 4> SeasonAttributes;

} // namespace mahjong
