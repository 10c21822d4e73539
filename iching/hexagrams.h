// The 64 hexagram records, keyed by their six line digits.
#pragma once

#include <array>

namespace iching {

struct HexagramRecord
{
    int number;          // 1 to 64
    const char *key;     // lower trigram code then upper, each read top line first
    const char *caption; // begins with the number
    // Lines are kept apart and joined with CR LF for display; unused slots are nullptr.
    std::array<const char *, 8> judgement;
    std::array<const char *, 7> image;
};

inline constexpr int HexagramCount = 64;

// Eight groups by lower trigram, within each by upper trigram, both in the order
// Heaven 111, Earth 000, Thunder 001, Water 010, Mountain 100, Wind 110, Fire 101, Lake 011.
extern const std::array<HexagramRecord, HexagramCount> Hexagrams;

} // namespace iching
