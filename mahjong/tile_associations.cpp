// The traditional associations of the wind, flower and season tiles, keyed by English name.
#include "tile_associations.h"

namespace mahjong {

// clang-format off
const std::array<WindRow, 4> WindAttributes{{
    // English name     Season    Color    Element  Constellation
    {"Wind East",       "Spring", "Green", "Wood",  "Dragon (5 Circles)"},
    {"Wind South",      "Summer", "Red",   "Fire",  "Phoenix (3 Circles)"},
    {"Wind West",       "Autumn", "White", "Metal", "Tiger (8 Circles)"},
    {"Wind North",      "Winter", "Black", "Water", "Tortoise (7 Bamboo)"},
}};

const std::array<FlowerRow, 4> FlowerAttributes{{
    // English name               Player        Season
    {"Flowers Plum Blossom",      "East Wind",  "Spring"},
    {"Flowers Orchid",            "South Wind", "Summer"},
    {"Flowers Chrysanthemum",     "West Wind",  "Autumn"},
    {"Flowers Bamboo",            "North Wind", "Winter"},
}};

const std::array<SeasonRow, 4> SeasonAttributes{{
    // English name       Player        Representation  Flower           Color    Element
    {"Seasons Spring",    "East Wind",  "Fisherman",    "Plum Blossom",  "Green", "Wood"},
    {"Seasons Summer",    "South Wind", "Woodcutter",   "Orchid",        "Red",   "Fire"},
    {"Seasons Autumn",    "West Wind",  "Farmer",       "Chrysanthemum", "White", "Metal"},
    {"Seasons Winter",    "North Wind", "Scholar",      "Bamboo",        "Black", "Water"},
}};
// clang-format on

} // namespace mahjong
