// The Chinese year table: every boundary, the January 1936 lead-in and the range limits.
#include "zodiac/chinese_year.h"

#include <QTest>

using namespace zodiac;

class TestChineseYear : public QObject
{
    Q_OBJECT

    const ChineseYearTable m_table = BuildChineseYearTable();

    static QString describe(const std::optional<SignAndElement> &found)
    {
        return found ? found->sign + QLatin1Char(' ') + found->element : QStringLiteral("not found");
    }

private slots:
    void knownDatesGiveTheirSignAndElement_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1 Jan 1936, lead-in") << QDate(1936, 1, 1) << QStringLiteral("Pig Wood");
        QTest::newRow("23 Jan 1936, lead-in") << QDate(1936, 1, 23) << QStringLiteral("Pig Wood");
        QTest::newRow("24 Jan 1936") << QDate(1936, 1, 24) << QStringLiteral("Rat Fire");
        QTest::newRow("10 Feb 1937") << QDate(1937, 2, 10) << QStringLiteral("Rat Fire");
        QTest::newRow("11 Feb 1937") << QDate(1937, 2, 11) << QStringLiteral("Ox Fire");
        QTest::newRow("27 Jan 1960") << QDate(1960, 1, 27) << QStringLiteral("Pig Earth");
        QTest::newRow("28 Jan 1960") << QDate(1960, 1, 28) << QStringLiteral("Rat Metal");
        QTest::newRow("6 Feb 2008") << QDate(2008, 2, 6) << QStringLiteral("Pig Fire");
        QTest::newRow("7 Feb 2008") << QDate(2008, 2, 7) << QStringLiteral("Rat Earth");
        QTest::newRow("25 Jan 2009") << QDate(2009, 1, 25) << QStringLiteral("Rat Earth");
        QTest::newRow("26 Jan 2009") << QDate(2009, 1, 26) << QStringLiteral("Ox Earth");
        QTest::newRow("29 Feb 1996") << QDate(1996, 2, 29) << QStringLiteral("Rat Fire");
        QTest::newRow("12 Mar 1975") << QDate(1975, 3, 12) << QStringLiteral("Rabbit Wood");
        QTest::newRow("31 Dec 2019") << QDate(2019, 12, 31) << QStringLiteral("Pig Earth");
        QTest::newRow("24 Jan 2020") << QDate(2020, 1, 24) << QStringLiteral("Pig Earth");
        QTest::newRow("31 Dec 1935") << QDate(1935, 12, 31) << QStringLiteral("not found");
        QTest::newRow("25 Jan 2020") << QDate(2020, 1, 25) << QStringLiteral("not found");
        QTest::newRow("invalid date") << QDate() << QStringLiteral("not found");
    }

    void knownDatesGiveTheirSignAndElement()
    {
        // Boundary days are where an off-by-one hands people the wrong animal.
        QFETCH(QDate, birth);
        QFETCH(QString, expected);
        QCOMPARE(describe(FindChineseYear(m_table, birth)), expected);
    }

    void everyNewYearBelongsToItsRowAndTheDayBeforeToThePrevious()
    {
        // Each of the 84 starts must open its own row, sign mod 12 from Rat, element in pairs from Fire.
        const QStringList signs{"Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
                                "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig"};
        const QStringList elements{"Fire", "Earth", "Metal", "Water", "Wood"};
        const auto rowName = [&](int row) { return signs[row % 12] + QLatin1Char(' ') + elements[(row / 2) % 5]; };
        for (int row = 0; row < ChineseYearRows; ++row) {
            const QDate start = m_table.starts[row];
            QCOMPARE(start.year(), 1936 + row);
            QCOMPARE(describe(FindChineseYear(m_table, start)), rowName(row));
            QCOMPARE(describe(FindChineseYear(m_table, m_table.ends[row])), rowName(row));
            if (row > 0) {
                QCOMPARE(m_table.ends[row - 1], start.addDays(-1));
                QCOMPARE(describe(FindChineseYear(m_table, start.addDays(-1))), rowName(row - 1));
            }
        }
        QCOMPARE(m_table.ends[ChineseYearRows - 1], QDate(2020, 1, 24));
    }

    void everyDayOfTheRangeIsFound()
    {
        // A gap between two rows would leave someone with no reading at all.
        for (QDate day = firstSupportedDate(); day <= lastSupportedDate(); day = day.addDays(1))
            QVERIFY2(FindChineseYear(m_table, day).has_value(), qPrintable(day.toString(Qt::ISODate)));
    }
};

QTEST_GUILESS_MAIN(TestChineseYear)
#include "tst_chinese_year.moc"
