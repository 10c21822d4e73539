// The Chinese year table: each year's first day, 1936 to 2019.
#include "chinese_year.h"

namespace zodiac {

namespace {

struct Start
{
    int year, month, day;
};

// Row i begins the Chinese year of Gregorian year 1936 + i.
// clang-format off
constexpr std::array<Start, ChineseYearRows> kStarts{{
    {1936, 1, 24}, {1937, 2, 11}, {1938, 1, 31}, {1939, 2, 19}, {1940, 2,  8}, {1941, 1, 27},
    {1942, 2, 15}, {1943, 2,  5}, {1944, 1, 25}, {1945, 2, 13}, {1946, 2,  2}, {1947, 1, 22},
    {1948, 2, 10}, {1949, 1, 29}, {1950, 2, 17}, {1951, 2,  6}, {1952, 1, 27}, {1953, 2, 14},
    {1954, 2,  3}, {1955, 1, 24}, {1956, 2, 12}, {1957, 1, 31}, {1958, 2, 18}, {1959, 2,  8},
    {1960, 1, 28}, {1961, 2, 15}, {1962, 2,  5}, {1963, 1, 25}, {1964, 2, 13}, {1965, 2,  2},
    {1966, 1, 21}, {1967, 2,  9}, {1968, 1, 30}, {1969, 2, 17}, {1970, 2,  6}, {1971, 1, 27},
    {1972, 2, 15}, {1973, 2,  3}, {1974, 1, 23}, {1975, 2, 11}, {1976, 1, 31}, {1977, 2, 18},
    {1978, 2,  7}, {1979, 1, 28}, {1980, 2, 16}, {1981, 2,  5}, {1982, 1, 25}, {1983, 2, 13},
    {1984, 2,  2}, {1985, 2, 20}, {1986, 2,  9}, {1987, 1, 29}, {1988, 2, 17}, {1989, 2,  6},
    {1990, 1, 27}, {1991, 2, 15}, {1992, 2,  4}, {1993, 1, 23}, {1994, 2, 10}, {1995, 1, 31},
    {1996, 2, 19}, {1997, 2,  7}, {1998, 1, 28}, {1999, 2, 16}, {2000, 2,  5}, {2001, 1, 24},
    {2002, 2, 12}, {2003, 2,  1}, {2004, 1, 22}, {2005, 2,  9}, {2006, 1, 29}, {2007, 2, 18},
    {2008, 2,  7}, {2009, 1, 26}, {2010, 2, 14}, {2011, 2,  3}, {2012, 1, 23}, {2013, 2, 10},
    {2014, 1, 31}, {2015, 2, 19}, {2016, 2,  8}, {2017, 1, 28}, {2018, 2, 16}, {2019, 2,  5},
}};
// clang-format on

// 1 to 23 January 1936 still belong to the year that began on 4 February 1935.
constexpr std::array<const char *, 12> kSigns{"Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
                                              "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig"};
constexpr std::array<const char *, 5> kElements{"Fire", "Earth", "Metal", "Water", "Wood"};
const SignAndElement kLeadIn{QStringLiteral("Pig"), QStringLiteral("Wood")};

} // namespace

const std::array<const char *, 12> &signNames()
{
    return kSigns;
}

const std::array<const char *, 5> &elementNames()
{
    return kElements;
}

QDate firstSupportedDate()
{
    return QDate(1936, 1, 1);
}

QDate lastSupportedDate()
{
    return QDate(2020, 1, 24);
}

ChineseYearTable BuildChineseYearTable()
{
    ChineseYearTable table;
    for (int row = 0; row < ChineseYearRows; ++row)
        table.starts[row] = QDate(kStarts[row].year, kStarts[row].month, kStarts[row].day);
    for (int row = 0; row + 1 < ChineseYearRows; ++row)
        table.ends[row] = table.starts[row + 1].addDays(-1);
    table.ends[ChineseYearRows - 1] = lastSupportedDate();
    return table;
}

std::optional<SignAndElement> FindChineseYear(const ChineseYearTable &table, QDate birth)
{
    if (!birth.isValid())
        return std::nullopt;
    if (birth >= firstSupportedDate() && birth < table.starts[0])
        return kLeadIn;
    for (int row = 0; row < ChineseYearRows; ++row) {
        if (table.starts[row].daysTo(birth) >= 0 && table.ends[row].daysTo(birth) <= 0)
            return SignAndElement{QString::fromLatin1(kSigns[row % 12]), QString::fromLatin1(kElements[(row / 2) % 5])};
    }
    return std::nullopt;
}

} // namespace zodiac
