// From a random draw to a fortune: pure lookups over the fortune table.
#include "fortune_lookup.h"

#include "fortunes.h"

#include <algorithm>
#include <cmath>

namespace fortune {

qint16 fortuneNumberFor(double r)
{
    const double row = std::floor(r * FortuneCount);
    // A source that broke its promise of [0, 1) must still give a real row.
    return static_cast<qint16>(std::clamp(row, 0.0, double(FortuneCount - 1)));
}

QString fortuneText(int number)
{
    for (const FortuneRow &row : Fortunes) {
        if (row.number == number)
            return QString::fromUtf8(row.text);
    }
    return QString();
}

QString fortuneReadingText(int number)
{
    const QString text = fortuneText(number);
    if (text.isEmpty())
        return QString();
    return QStringLiteral("My fortune cookie says:\n") + text + QLatin1Char('\n');
}

} // namespace fortune
