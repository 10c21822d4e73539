// What a reading with moving lines needs beyond the judgement and image: each hexagram's Chinese name,
// its pinyin and symbol, and the texts of its six lines.
#pragma once

#include <QString>

#include <array>

namespace iching {

struct HexagramLines
{
    int number;          // 1 to 64, the order of the received text
    const char *chinese; // traditional characters, UTF-8
    const char *pinyin;  // with tone marks, UTF-8
    // Line 1, the bottom line, first; one sentence or a few, in one string.
    std::array<const char *, 6> lines;
};

// Indexed by number - 1.
extern const std::array<HexagramLines, 64> HexagramLineTexts;

// The extra texts of 1 and 2, in that order, for a cast in which all six lines change.
extern const std::array<const char *, 2> AllLinesChangeTexts;

// The extra text of 1 and 2 for a cast in which all six lines change; nullptr for every other hexagram.
const char *allLinesChangeText(int number);

// Entry number - 1 of HexagramLineTexts; number must be 1 to 64.
const HexagramLines &hexagramLines(int number);

// The hexagram's character in Unicode's block of hexagram symbols, U+4DC0 for 1 to U+4DFF for 64.
QChar hexagramSymbol(int number);

// The traditional heading of a line ("Nine at the beginning", "Six in the third place", "Nine at the top"),
// from whether the line is yang; line counts from 1 at the bottom.
QString lineHeading(int line, bool yang);
// "All nines" for 1, "All sixes" for 2.
QString allLinesChangeHeading(int number);

} // namespace iching
