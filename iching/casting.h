// Casting a hexagram with three coins: tosses, line values, the cast record and its key.
#pragma once

#include "hexagrams.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace shell {
class RandomSource;
}

namespace iching {

enum class CoinFace { Tails, Heads };

// r rounded half to even: only a draw above one half is heads.
CoinFace coinFaceFor(double r);
int coinCount(CoinFace face); // heads 3, tails 2

struct Toss
{
    std::array<CoinFace, 3> faces{};
    qint16 lineValue = 0; // 6, 7, 8 or 9
};

// Three draws, coin 0 first.
Toss tossLine(shell::RandomSource &random);

inline constexpr int LineCount = 6;
// Six line values in casting order: element 0 is line 1, the bottom line. 0 = not cast yet.
using Marks = std::array<qint16, LineCount>;

struct Cast
{
    Marks marksArray{};
    qint16 intCurrentLine = 0;

    // Stores the value at intCurrentLine; true when that was line 6, the cast is then complete.
    bool record(qint16 lineValue);
    void clearLines() { marksArray.fill(0); }
};

enum class LineKind { OldYin, YoungYang, YoungYin, OldYang, None };
LineKind lineKind(qint16 value);
bool isChanging(qint16 value);

// The line as it stands in the cast figure and after the changes.
enum class LineSymbol { None, OldYin, Yin, OldYang, Yang };
LineSymbol castSymbol(qint16 value);
LineSymbol changedSymbol(qint16 value);
QString symbolText(LineSymbol symbol);

// "1" yang, "0" yin, "" for a line not cast yet; changing lines count as cast.
QString lineDigit(qint16 value);
// Lines 3, 2, 1 then 6, 5, 4: shorter than six characters until the cast is complete.
QString hexagramKey(const Marks &marks);

// The record with exactly that key, or nullptr.
const HexagramRecord *lookupHexagram(const QString &key);
QString judgementText(const HexagramRecord &record);
QString imageText(const HexagramRecord &record);

// "Line N Changed" + CR LF for each changing line cast so far, bottom up.
QString changingLinesText(const Marks &marks);

} // namespace iching
