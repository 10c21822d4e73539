// The current Chinese Zodiac reading and the copy of a sign's attributes into it.
#include "zodiac_result.h"

#include "sign_attributes.h"

namespace zodiac {

ZodiacReading ZodiacResult;

void ChineseZodiacDescription(ZodiacReading &reading, const QString &element, const QString &sign)
{
    for (const SignAttributes &row : SignTable) {
        if (sign != QLatin1String(row.sign))
            continue;
        reading.sign = QString::fromLatin1(row.sign);
        reading.element = element;
        reading.rulingPlanet = QString::fromLatin1(row.rulingPlanet);
        reading.positiveTraits = QString::fromLatin1(row.positiveTraits);
        reading.negativeTraits = QString::fromLatin1(row.negativeTraits);
        reading.mostCompatible = QString::fromLatin1(row.mostCompatible);
        reading.leastCompatible = QString::fromLatin1(row.leastCompatible);
        reading.luckyColour = QString::fromLatin1(row.luckyColour);
        reading.gemstone = QString::fromLatin1(row.gemstone);
        reading.energy = QString::fromLatin1(row.energy);
        reading.favourableSeason = QString::fromLatin1(row.favourableSeason);
        reading.favourableMonth = QString::fromLatin1(row.favourableMonth);
        reading.famousPersons = QString::fromLatin1(row.famousPersons);
        break;
    }
    // Looked up on its own: an unknown sign must not keep the element text from being set.
    for (const ElementText &row : ElementTable) {
        if (element == QLatin1String(row.element)) {
            reading.elementText = QString::fromLatin1(row.text);
            break;
        }
    }
}

void ChineseZodiacDescription(const QString &element, const QString &sign)
{
    ChineseZodiacDescription(ZodiacResult, element, sign);
}

QString salutedName(const ZodiacReading &reading)
{
    const bool male = reading.sex == QLatin1String("Male");
    return (male ? QStringLiteral("Mr. ") : QStringLiteral("Ms. ")) + reading.name;
}

} // namespace zodiac
