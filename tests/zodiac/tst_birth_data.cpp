// The birth data checks and the reading computed from them, without any window.
#include "zodiac/birth_data.h"
#include "zodiac/chinese_year.h"
#include "zodiac/sign_attributes.h"

#include <QTest>

using namespace zodiac;

Q_DECLARE_METATYPE(zodiac::SexChoice)
Q_DECLARE_METATYPE(zodiac::FocusTarget)
Q_DECLARE_METATYPE(zodiac::BirthEntries)

namespace {

constexpr const char *DateMessage = "Please Enter Correct Date Or Month!";
constexpr const char *ShortMonthMessage = "Please Enter Correct Date Or Month !";

// The entries a reader gets by picking this day, month (1 to 12) and year in the lists.
BirthEntries picked(const QString &name, SexChoice sex, int day, int month, int year)
{
    return entriesAt(name, sex, day - 1, month - 1, year - 1936);
}

} // namespace

class TestBirthData : public QObject
{
    Q_OBJECT

    const ChineseYearTable m_table = BuildChineseYearTable();

private slots:
    void listsOfferTheDaysMonthsAndYearsInOrder()
    {
        // A list off by one entry turns every position-based check onto the wrong day or month.
        const QStringList days = dayListItems();
        QCOMPARE(days.size(), 31);
        QCOMPARE(days.first(), QStringLiteral("1"));
        QCOMPARE(days.at(8), QStringLiteral("9"));
        QCOMPARE(days.last(), QStringLiteral("31"));
        QCOMPARE(monthListItems(), QStringList({"January", "February", "March", "April", "May", "June", "July",
                                                "August", "September", "October", "November", "December"}));
        const QStringList years = yearListItems();
        QCOMPARE(years.size(), 84);
        QCOMPARE(years.first(), QStringLiteral("1936"));
        QCOMPARE(years.last(), QStringLiteral("2019"));
        for (int index = 0; index < 12; ++index)
            QCOMPARE(monthNumber(monthListItems().at(index)), index + 1);
        QCOMPARE(monthNumber(QStringLiteral("march")), 0);
        QCOMPARE(monthNumber(QString()), 0);
    }

    void validationAnswersInItsOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SexChoice>("sex");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<FocusTarget>("focus");

        // Dates alone are checked for every pick of the lists below.
        // clang-format off
        QTest::newRow("name of spaces") << "   " << SexChoice::Female << 1 << 1 << 1936 << QString() << FocusTarget::Unchanged;
        QTest::newRow("empty name before missing sex")
            << "" << SexChoice::None << 1 << 1 << 1936 << "Please Enter Your Name" << FocusTarget::NameBox;
        QTest::newRow("empty name before a bad date")
            << "" << SexChoice::Male << 31 << 4 << 1980 << "Please Enter Your Name" << FocusTarget::NameBox;
        QTest::newRow("missing sex")
            << "Bo" << SexChoice::None << 1 << 1 << 1936 << "Please Specify Your Sex" << FocusTarget::ProceedButton;
        QTest::newRow("missing sex before a bad date")
            << "Bo" << SexChoice::None << 30 << 2 << 1996 << "Please Specify Your Sex" << FocusTarget::ProceedButton;
        // clang-format on
    }

    void validationAnswersInItsOrder()
    {
        // The name is untrimmed, and only the first two checks move the focus.
        QFETCH(QString, name);
        QFETCH(SexChoice, sex);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        const BirthCheck check = ValidateBirthData(picked(name, sex, day, month, year));
        QTEST(check.message, "message");
        QCOMPARE(check.passed, check.message.isEmpty());
        QTEST(check.focus, "focus");
    }

    void validationPassesExactlyTheRealDatesOfTheOfferedYears()
    {
        // Every pick of the three lists, by either sex: a real date must pass, a day its month lacks must fail with its
        // message (February's differs from the short months' by a space), and neither moves the focus.
        for (const SexChoice sex : {SexChoice::Male, SexChoice::Female}) {
            for (int year = 1936; year <= 2019; ++year) {
                for (int month = 1; month <= 12; ++month) {
                    for (int day = 1; day <= 31; ++day) {
                        const BirthCheck check = ValidateBirthData(picked(QStringLiteral("Bo"), sex, day, month, year));
                        const bool real = QDate(year, month, day).isValid();
                        const QByteArray where = QDate(year, month, 1).toString(Qt::ISODate).toLatin1() + " day "
                                                 + QByteArray::number(day);
                        QVERIFY2(check.passed == real, where.constData());
                        QCOMPARE(check.message, QLatin1String(real         ? ""
                                                              : month == 2 ? DateMessage
                                                                           : ShortMonthMessage));
                        QVERIFY2(check.focus == FocusTarget::Unchanged, where.constData());
                    }
                }
            }
        }
    }

    void readingFromTheListsGivesSignElementAndSheet_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("element");

        // clang-format off
        QTest::newRow("untouched defaults, 1 Jan 1936") << 1 << 1 << 1936 << "Pig" << "Wood";
        QTest::newRow("24 Jan 1936") << 24 << 1 << 1936 << "Rat" << "Fire";
        QTest::newRow("27 Jan 1960") << 27 << 1 << 1960 << "Pig" << "Earth";
        QTest::newRow("28 Jan 1960") << 28 << 1 << 1960 << "Rat" << "Metal";
        QTest::newRow("29 Feb 1996") << 29 << 2 << 1996 << "Rat" << "Fire";
        QTest::newRow("12 Mar 1975") << 12 << 3 << 1975 << "Rabbit" << "Wood";
        QTest::newRow("17 Jun 1980") << 17 << 6 << 1980 << "Monkey" << "Metal";
        QTest::newRow("31 Dec 2019") << 31 << 12 << 2019 << "Pig" << "Earth";
        // clang-format on
    }

    void readingFromTheListsGivesSignElementAndSheet()
    {
        // The date must be formed day-month-year from the list texts, and the sheet must follow the found sign.
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, sign);
        QFETCH(QString, element);
        ZodiacReading reading;
        ComputeReading(reading, picked(QStringLiteral("Bo"), SexChoice::Male, day, month, year), m_table);
        QCOMPARE(reading.birthDate, QDate(year, month, day));
        QCOMPARE(reading.dayText, QString::number(day));
        QCOMPARE(reading.monthText, monthListItems().at(month - 1));
        QCOMPARE(reading.yearText, QString::number(year));
        QCOMPARE(reading.sign, sign);
        QCOMPARE(reading.element, element);
        for (const SignAttributes &attributes : SignTable) {
            if (sign == QLatin1String(attributes.sign)) {
                QCOMPARE(reading.positiveTraits, QLatin1String(attributes.positiveTraits));
                QCOMPARE(reading.famousPersons, QLatin1String(attributes.famousPersons));
            }
        }
        for (const ElementText &text : ElementTable) {
            if (element == QLatin1String(text.element))
                QCOMPARE(reading.elementText, QLatin1String(text.text));
        }
    }

    void readingStoresTheNameWithoutItsSurroundingSpaces_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<SexChoice>("sex");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sexText");

        // clang-format off
        QTest::newRow("Ann, female") << "Ann" << SexChoice::Female << "Ann" << "Female";
        QTest::newRow("surrounding spaces") << "  Ann Lee  " << SexChoice::Male << "Ann Lee" << "Male";
        QTest::newRow("spaces only") << "   " << SexChoice::Female << "" << "Female";
        QTest::newRow("a tab is not a space") << "\tBo" << SexChoice::Male << "\tBo" << "Male";
        // clang-format on
    }

    void readingStoresTheNameWithoutItsSurroundingSpaces()
    {
        // A stored name with its padding shows up as "Ms.   Ann"; trimming more than spaces changes what was typed.
        QFETCH(QString, typed);
        QFETCH(SexChoice, sex);
        ZodiacReading reading;
        ComputeReading(reading, picked(typed, sex, 5, 5, 1985), m_table);
        QTEST(reading.name, "name");
        QTEST(reading.sex, "sexText");
    }

    void greetingMatchesTheSexExactly_data()
    {
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("greeting");
        // clang-format off
        QTest::newRow("Male") << "Male" << "Mr. Kim";
        QTest::newRow("Female") << "Female" << "Ms. Kim";
        QTest::newRow("lower-case male") << "male" << "Ms. Kim";
        QTest::newRow("empty") << "" << "Ms. Kim";
        // clang-format on
    }

    void greetingMatchesTheSexExactly()
    {
        // Only the exact "Male" earns "Mr. "; anything else reads "Ms. ".
        QFETCH(QString, sex);
        ZodiacReading reading;
        reading.name = QStringLiteral("Kim");
        reading.sex = sex;
        QTEST(salutedName(reading), "greeting");
    }

    void secondReadingLeavesNothingOfTheFirst_data()
    {
        QTest::addColumn<BirthEntries>("first");
        QTest::addColumn<BirthEntries>("second");
        QTest::newRow("Dog 1958 then Dragon 1940")
            << picked("  Madge ", SexChoice::Female, 16, 8, 1958) << picked("Bo", SexChoice::Male, 9, 10, 1940);
        QTest::newRow("Monkey 1980 then Pig lead-in 1936")
            << picked("Venus", SexChoice::Female, 17, 6, 1980) << picked(" ", SexChoice::Male, 1, 1, 1936);
        QTest::newRow("Rat 1996 then Ox 1997")
            << picked("Ann", SexChoice::Female, 29, 2, 1996) << picked("Ann", SexChoice::Male, 7, 2, 1997);
    }

    void secondReadingLeavesNothingOfTheFirst()
    {
        // A field the second reading forgot to overwrite would carry the first person's sheet along.
        QFETCH(BirthEntries, first);
        QFETCH(BirthEntries, second);
        ZodiacReading fresh;
        ComputeReading(fresh, second, m_table);
        ZodiacReading reused;
        ComputeReading(reused, first, m_table);
        QVERIFY(reused != fresh);
        ComputeReading(reused, second, m_table);
        QVERIFY(reused == fresh);
    }

    void calendarDateFollowsYearThenMonthThenDay_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QDate>("expected");

        const QDate today(2026, 3, 15);
        // clang-format off
        QTest::newRow("plain date") << today << "1975" << "March" << "12" << QDate(1975, 3, 12);
        QTest::newRow("29 February") << today << "1996" << "February" << "29" << QDate(1996, 2, 29);
        QTest::newRow("from 31 Jan to 29 Feb")
            << QDate(2000, 1, 31) << "1996" << "February" << "29" << QDate(1996, 2, 29);
        QTest::newRow("from 29 Feb to another year") << QDate(1996, 2, 29) << "1997" << "February" << "28"
                                                     << QDate(1997, 2, 28);
        QTest::newRow("unknown month keeps the shown month")
            << today << "1980" << "Smarch" << "5" << QDate(1980, 3, 5);
        QTest::newRow("unknown month, shorter after the year")
            << QDate(1996, 2, 29) << "1997" << "" << "" << QDate(1997, 2, 28);
        QTest::newRow("no shown date yet") << QDate() << "1990" << "July" << "4" << QDate(1990, 7, 4);
        // clang-format on
    }

    void calendarDateFollowsYearThenMonthThenDay()
    {
        // The calendar must land on the birth date, also coming from a longer month or a leap day.
        QFETCH(QDate, shown);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QTEST(calendarDateFor(shown, year, month, day), "expected");
    }
};

QTEST_GUILESS_MAIN(TestBirthData)
#include "tst_birth_data.moc"
