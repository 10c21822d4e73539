// The birth data a reader enters: the list contents, their checks, and the reading they give.
#include "birth_data.h"

#include "shell/strings.h"

#include <algorithm>
#include <array>

namespace zodiac {

namespace {

// English names whatever the system's language: they are matched as stored text.
constexpr std::array<const char *, 12> kMonths{"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};

constexpr int FirstYear = 1936;
constexpr int LastYear = 2019;

// The number at the start of a text, 0 when there is none.
int leadingNumber(const QString &text)
{
    const QString digits = text.trimmed();
    qsizetype end = 0;
    if (end < digits.size() && (digits.at(end) == QLatin1Char('-') || digits.at(end) == QLatin1Char('+')))
        ++end;
    while (end < digits.size() && digits.at(end).isDigit() && end < 10)
        ++end;
    bool ok = false;
    const int value = digits.left(end).toInt(&ok);
    return ok ? value : 0;
}

BirthCheck fail(const char *message, FocusTarget focus)
{
    return BirthCheck{false, QString::fromLatin1(message), focus};
}

// Moves to another year or month as a month view does: the day stays unless the new month is shorter.
QDate withYearAndMonth(QDate date, int year, int month)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return date;
    return QDate(year, month, std::min(date.day(), first.daysInMonth()));
}

} // namespace

QStringList dayListItems()
{
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    return days;
}

QStringList monthListItems()
{
    QStringList months;
    for (const char *month : kMonths)
        months << QString::fromLatin1(month);
    return months;
}

QStringList yearListItems()
{
    QStringList years;
    for (int year = FirstYear; year <= LastYear; ++year)
        years << QString::number(year);
    return years;
}

int monthNumber(const QString &monthName)
{
    for (std::size_t index = 0; index < kMonths.size(); ++index) {
        if (monthName == QLatin1String(kMonths[index]))
            return int(index) + 1;
    }
    return 0;
}

BirthEntries entriesAt(const QString &name, SexChoice sex, int dayPosition, int monthPosition, int yearPosition)
{
    BirthEntries entries;
    entries.name = name;
    entries.sex = sex;
    entries.dayPosition = dayPosition;
    entries.monthPosition = monthPosition;
    entries.dayText = dayListItems().value(dayPosition);
    entries.monthText = monthListItems().value(monthPosition);
    entries.yearText = yearListItems().value(yearPosition);
    return entries;
}

BirthCheck ValidateBirthData(const BirthEntries &entries)
{
    // Deliberately untrimmed: a name of spaces passes and is stored as an empty name.
    if (entries.name.isEmpty())
        return fail("Please Enter Your Name", FocusTarget::NameBox);
    if (entries.sex == SexChoice::None)
        return fail("Please Specify Your Sex", FocusTarget::ProceedButton);

    constexpr int February = 1;
    // Divisibility by 4 alone is exact for 1936 to 2019; 2000 is a leap year either way.
    const bool leapYear = leadingNumber(entries.yearText) % 4 == 0;
    const int lastFebruaryPosition = leapYear ? 28 : 27;
    if (entries.monthPosition == February && entries.dayPosition > lastFebruaryPosition && entries.dayPosition <= 30)
        return fail("Please Enter Correct Date Or Month!", FocusTarget::Unchanged);

    // April, June, September, November; this message has its space before the "!".
    const int month = entries.monthPosition;
    if ((month == 3 || month == 5 || month == 8 || month == 10) && entries.dayPosition == 30)
        return fail("Please Enter Correct Date Or Month !", FocusTarget::Unchanged);
    return BirthCheck{};
}

void ComputeReading(ZodiacReading &reading, const BirthEntries &entries, const ChineseYearTable &table)
{
    reading.name = shell::trimBlanks(entries.name);
    reading.sex = entries.sex == SexChoice::Male ? QStringLiteral("Male") : QStringLiteral("Female");
    reading.dayText = shell::trimBlanks(entries.dayText);
    reading.monthText = shell::trimBlanks(entries.monthText);
    reading.yearText = shell::trimBlanks(entries.yearText);

    // A date that can't be formed is skipped, like any failing step, and the rest goes on.
    const QDate birth(leadingNumber(reading.yearText), monthNumber(reading.monthText), leadingNumber(reading.dayText));
    if (birth.isValid())
        reading.birthDate = birth;

    if (const std::optional<SignAndElement> found = FindChineseYear(table, reading.birthDate)) {
        reading.sign = found->sign;
        reading.element = found->element;
    }
    ChineseZodiacDescription(reading, reading.element, reading.sign);
}

QDate calendarDateFor(QDate shown, const QString &yearText, const QString &monthText, const QString &dayText)
{
    QDate date = shown.isValid() ? shown : QDate(FirstYear, 1, 1);
    date = withYearAndMonth(date, leadingNumber(yearText), date.month());
    if (const int month = monthNumber(monthText))
        date = withYearAndMonth(date, date.year(), month);
    const QDate day(date.year(), date.month(), leadingNumber(dayText));
    return day.isValid() ? day : date;
}

} // namespace zodiac
