// The fixed attribute sheet of each sign and the text of each element.
#pragma once

#include <array>

namespace zodiac {

struct SignAttributes
{
    const char *sign;
    const char *rulingPlanet;
    const char *positiveTraits;
    const char *negativeTraits;
    const char *mostCompatible;
    const char *leastCompatible;
    const char *luckyColour;
    const char *gemstone;
    const char *energy;
    const char *favourableSeason;
    const char *favourableMonth;
    const char *famousPersons; // names joined by ", "
};

struct ElementText
{
    const char *element;
    const char *text;
};

// In cycle order: Rat, Ox, Tiger, Rabbit, Dragon, Snake, Horse, Goat, Monkey, Rooster, Dog, Pig.
extern const std::array<SignAttributes, 12> SignTable;
// In lookup order: Metal, Water, Wood, Fire, Earth.
extern const std::array<ElementText, 5> ElementTable;

} // namespace zodiac
