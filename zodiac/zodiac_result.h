// The current Chinese Zodiac reading, shared by the entry, result and sheet windows.
#pragma once

#include <QDate>
#include <QString>

namespace zodiac {

struct ZodiacReading
{
    QString name;
    QString sex; // "Male" or "Female"
    QString dayText;
    QString monthText;
    QString yearText;
    QDate birthDate;
    QString sign;
    QString element;
    QString elementText;
    QString rulingPlanet;
    QString positiveTraits;
    QString negativeTraits;
    QString luckyColour;
    QString mostCompatible;
    QString leastCompatible;
    QString famousPersons;
    QString gemstone;
    QString energy;
    QString favourableSeason;
    QString favourableMonth;

    bool operator==(const ZodiacReading &) const = default;
};

// The one reading of the program's run; empty until the first Proceed.
extern ZodiacReading ZodiacResult;

// Copies the sign's attribute sheet and the element's text into `reading`. The two lookups are
// independent and exact; a name that matches nothing leaves its fields as they were.
void ChineseZodiacDescription(ZodiacReading &reading, const QString &element, const QString &sign);
// The same, into ZodiacResult.
void ChineseZodiacDescription(const QString &element, const QString &sign);

// "Mr. " or "Ms. " and the name, as the result window greets the reader.
QString salutedName(const ZodiacReading &reading);

} // namespace zodiac
