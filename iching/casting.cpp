// Casting a hexagram with three coins: tosses, line values, the cast record and its key.
#include "casting.h"

#include "shell/platform.h"

#include <QStringList>

namespace iching {

CoinFace coinFaceFor(double r)
{
    return r > 0.5 ? CoinFace::Heads : CoinFace::Tails;
}

int coinCount(CoinFace face)
{
    return face == CoinFace::Heads ? 3 : 2;
}

Toss tossLine(shell::RandomSource &random)
{
    Toss toss;
    for (CoinFace &face : toss.faces) {
        face = coinFaceFor(random.next());
        toss.lineValue = static_cast<qint16>(toss.lineValue + coinCount(face));
    }
    return toss;
}

bool Cast::record(qint16 lineValue)
{
    marksArray[intCurrentLine] = lineValue;
    if (intCurrentLine < LineCount - 1) {
        ++intCurrentLine;
        return false;
    }
    return true;
}

LineKind lineKind(qint16 value)
{
    switch (value) {
    case 6:
        return LineKind::OldYin;
    case 7:
        return LineKind::YoungYang;
    case 8:
        return LineKind::YoungYin;
    case 9:
        return LineKind::OldYang;
    default:
        return LineKind::None;
    }
}

bool isChanging(qint16 value)
{
    return value == 6 || value == 9;
}

LineSymbol castSymbol(qint16 value)
{
    switch (lineKind(value)) {
    case LineKind::OldYin:
        return LineSymbol::OldYin;
    case LineKind::YoungYang:
        return LineSymbol::Yang;
    case LineKind::YoungYin:
        return LineSymbol::Yin;
    case LineKind::OldYang:
        return LineSymbol::OldYang;
    case LineKind::None:
        break;
    }
    return LineSymbol::None;
}

LineSymbol changedSymbol(qint16 value)
{
    switch (lineKind(value)) {
    case LineKind::OldYin:
    case LineKind::YoungYang:
        return LineSymbol::Yang;
    case LineKind::YoungYin:
    case LineKind::OldYang:
        return LineSymbol::Yin;
    case LineKind::None:
        break;
    }
    return LineSymbol::None;
}

QString symbolText(LineSymbol symbol)
{
    switch (symbol) {
    case LineSymbol::OldYin:
        return QStringLiteral("------ x ------");
    case LineSymbol::Yin:
        return QStringLiteral("------    ------");
    case LineSymbol::OldYang:
        return QStringLiteral("------ o ------");
    case LineSymbol::Yang:
        return QStringLiteral("----------------");
    case LineSymbol::None:
        break;
    }
    return QString();
}

QString lineDigit(qint16 value)
{
    switch (lineKind(value)) {
    case LineKind::YoungYang:
    case LineKind::OldYang:
        return QStringLiteral("1");
    case LineKind::OldYin:
    case LineKind::YoungYin:
        return QStringLiteral("0");
    case LineKind::None:
        break;
    }
    return QString();
}

QString hexagramKey(const Marks &m)
{
    const QString lower = lineDigit(m[2]) + lineDigit(m[1]) + lineDigit(m[0]);
    const QString upper = lineDigit(m[5]) + lineDigit(m[4]) + lineDigit(m[3]);
    return lower + upper;
}

const HexagramRecord *lookupHexagram(const QString &key)
{
    for (const HexagramRecord &record : Hexagrams) {
        if (key == QLatin1String(record.key))
            return &record;
    }
    return nullptr;
}

namespace {

template<std::size_t N>
QString joined(const std::array<const char *, N> &lines)
{
    QStringList parts;
    for (const char *line : lines) {
        if (!line)
            break;
        parts << QString::fromUtf8(line);
    }
    return parts.join(QStringLiteral("\r\n"));
}

} // namespace

QString judgementText(const HexagramRecord &record)
{
    return joined(record.judgement);
}

QString imageText(const HexagramRecord &record)
{
    return joined(record.image);
}

QString changingLinesText(const Marks &marks)
{
    QString text;
    for (int line = 0; line < LineCount; ++line) {
        if (isChanging(marks[line]))
            text += QStringLiteral("Line %1 Changed\r\n").arg(line + 1);
    }
    return text;
}

} // namespace iching
