// Gregorian date of birth -> Chinese year row, animal sign and element.
#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace zodiac {

inline constexpr int ChineseYearRows = 84; // Chinese years beginning 1936 to 2019

struct ChineseYearTable
{
    std::array<QDate, ChineseYearRows> starts;
    std::array<QDate, ChineseYearRows> ends;
};

struct SignAndElement
{
    QString sign;
    QString element;
};

const std::array<const char *, 12> &signNames();
const std::array<const char *, 5> &elementNames();

// First and last day a birth date may have.
QDate firstSupportedDate();
QDate lastSupportedDate();

ChineseYearTable BuildChineseYearTable();

// Not found outside firstSupportedDate() .. lastSupportedDate().
std::optional<SignAndElement> FindChineseYear(const ChineseYearTable &table, QDate birth);

} // namespace zodiac
