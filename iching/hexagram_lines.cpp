// Lookups over the line texts, and the names a reading gives lines and hexagrams.
#include "hexagram_lines.h"

namespace iching {

const char *allLinesChangeText(int number)
{
    return number == 1 || number == 2 ? AllLinesChangeTexts[number - 1] : nullptr;
}

const HexagramLines &hexagramLines(int number)
{
    Q_ASSERT(number >= 1 && number <= int(HexagramLineTexts.size()));
    return HexagramLineTexts[number - 1];
}

QChar hexagramSymbol(int number)
{
    return QChar(char16_t(0x4DC0 + number - 1));
}

QString lineHeading(int line, bool yang)
{
    // The received text names a yang line by nine and a yin line by six, the values of its changing kind.
    const QString kind = yang ? QStringLiteral("Nine") : QStringLiteral("Six");
    switch (line) {
    case 1:
        return kind + QStringLiteral(" at the beginning");
    case 6:
        return kind + QStringLiteral(" at the top");
    default:
        break;
    }
    Q_ASSERT(line >= 1 && line <= 6);
    static const char *const places[] = {"second", "third", "fourth", "fifth"};
    return kind + QStringLiteral(" in the %1 place").arg(QLatin1String(places[line - 2]));
}

QString allLinesChangeHeading(int number)
{
    return number == 1 ? QStringLiteral("All nines") : QStringLiteral("All sixes");
}

} // namespace iching
