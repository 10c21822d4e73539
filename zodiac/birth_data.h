// The birth data a reader enters: the list contents, their checks, and the reading they give.
#pragma once

#include "chinese_year.h"
#include "zodiac_result.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace zodiac {

// What the three lists offer, in list order.
QStringList dayListItems();   // "1" to "31"
QStringList monthListItems(); // "January" to "December"
QStringList yearListItems();  // "1936" to "2019"

// 1 for "January" to 12 for "December"; 0 for anything else.
int monthNumber(const QString &monthName);

enum class SexChoice { None, Male, Female };

// The entry form's controls as they stand when Proceed is pressed.
struct BirthEntries
{
    QString name; // as typed, spaces and all
    SexChoice sex = SexChoice::None;
    int dayPosition = 0; // list positions count from 0
    int monthPosition = 0;
    QString dayText;
    QString monthText;
    QString yearText;
};

// The entries of the three lists at the given positions.
BirthEntries entriesAt(const QString &name, SexChoice sex, int dayPosition, int monthPosition, int yearPosition);

enum class FocusTarget { Unchanged, NameBox, ProceedButton };

struct BirthCheck
{
    bool passed = true;
    QString message;
    FocusTarget focus = FocusTarget::Unchanged;
};

// Stops at the first failure: name, sex, February, then the 30-day months.
BirthCheck ValidateBirthData(const BirthEntries &entries);

// Proceed's computation: stores the entries in `reading`, forms the birth date, finds the sign and
// element in `table` and copies their attributes. Every field of a valid reading is overwritten.
void ComputeReading(ZodiacReading &reading, const BirthEntries &entries, const ChineseYearTable &table);

// The date a month calendar shows after setting, in turn, the year, the month and the day from
// the texts over `shown`. A month that is not a month name keeps the shown month; a day that
// month lacks keeps the shown day, which is pulled back to the month's last day if need be.
QDate calendarDateFor(QDate shown, const QString &yearText, const QString &monthText, const QString &dayText);

} // namespace zodiac
