// The copy of a sign's attribute sheet and an element's text into the shared reading.
#include "zodiac/sign_attributes.h"
#include "zodiac/zodiac_result.h"

#include <QTest>

using namespace zodiac;

namespace {

const SignAttributes &row(const char *sign)
{
    for (const SignAttributes &attributes : SignTable) {
        if (qstrcmp(attributes.sign, sign) == 0)
            return attributes;
    }
    qFatal("no row for %s", sign);
}

// A reading whose every field says where it came from, to see which ones a lookup overwrote.
ZodiacReading marked()
{
    ZodiacReading reading;
    reading.name = QStringLiteral("old name");
    reading.sex = QStringLiteral("Female");
    reading.sign = QStringLiteral("old sign");
    reading.element = QStringLiteral("old element");
    reading.elementText = QStringLiteral("old element text");
    reading.rulingPlanet = QStringLiteral("old planet");
    reading.positiveTraits = QStringLiteral("old positive");
    reading.negativeTraits = QStringLiteral("old negative");
    reading.luckyColour = QStringLiteral("old colour");
    reading.mostCompatible = QStringLiteral("old most");
    reading.leastCompatible = QStringLiteral("old least");
    reading.famousPersons = QStringLiteral("old persons");
    reading.gemstone = QStringLiteral("old gemstone");
    reading.energy = QStringLiteral("old energy");
    reading.favourableSeason = QStringLiteral("old season");
    reading.favourableMonth = QStringLiteral("old month");
    return reading;
}

void verifySheetOf(const ZodiacReading &reading, const SignAttributes &expected)
{
    QCOMPARE(reading.sign, QLatin1String(expected.sign));
    QCOMPARE(reading.rulingPlanet, QLatin1String(expected.rulingPlanet));
    QCOMPARE(reading.positiveTraits, QLatin1String(expected.positiveTraits));
    QCOMPARE(reading.negativeTraits, QLatin1String(expected.negativeTraits));
    QCOMPARE(reading.mostCompatible, QLatin1String(expected.mostCompatible));
    QCOMPARE(reading.leastCompatible, QLatin1String(expected.leastCompatible));
    QCOMPARE(reading.luckyColour, QLatin1String(expected.luckyColour));
    QCOMPARE(reading.gemstone, QLatin1String(expected.gemstone));
    QCOMPARE(reading.energy, QLatin1String(expected.energy));
    QCOMPARE(reading.favourableSeason, QLatin1String(expected.favourableSeason));
    QCOMPARE(reading.favourableMonth, QLatin1String(expected.favourableMonth));
    QCOMPARE(reading.famousPersons, QLatin1String(expected.famousPersons));
}

} // namespace

class TestZodiacResult : public QObject
{
    Q_OBJECT

private slots:
    void theSharedReadingStartsEmpty()
    {
        // Before the first Proceed nothing may pretend to be a reading.
        QVERIFY(ZodiacResult == ZodiacReading());
        QVERIFY(ZodiacResult.name.isEmpty() && ZodiacResult.sign.isEmpty() && !ZodiacResult.birthDate.isValid());
    }

    void eachSignFillsEveryFieldFromItsOwnRow_data()
    {
        QTest::addColumn<QString>("sign");
        for (const SignAttributes &attributes : SignTable)
            QTest::newRow(attributes.sign) << QString::fromLatin1(attributes.sign);
    }

    void eachSignFillsEveryFieldFromItsOwnRow()
    {
        // A field copied from the neighbouring column or row gives the reader another sign's sheet.
        QFETCH(QString, sign);
        ZodiacReading reading = marked();
        ChineseZodiacDescription(reading, QStringLiteral("Water"), sign);
        verifySheetOf(reading, row(sign.toLatin1().constData()));
        QCOMPARE(reading.element, QStringLiteral("Water"));
        QVERIFY(reading.elementText.startsWith(
            QLatin1String("You have the fluidity of water and solve issues with your silent charm.")));
        QCOMPARE(reading.name, QStringLiteral("old name"));
        QCOMPARE(reading.sex, QStringLiteral("Female"));
    }

    void eachElementGetsItsOwnText_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("text");
        for (const ElementText &text : ElementTable)
            QTest::newRow(text.element) << QString::fromLatin1(text.element) << QString::fromLatin1(text.text);
    }

    void eachElementGetsItsOwnText()
    {
        // The element text must come from the element alone, whichever sign it is read with.
        QFETCH(QString, element);
        for (const char *sign : {"Rat", "Pig"}) {
            ZodiacReading reading = marked();
            ChineseZodiacDescription(reading, element, QString::fromLatin1(sign));
            QTEST(reading.elementText, "text");
            QCOMPARE(reading.element, element);
        }
    }

    void unknownNamesLeaveTheirFieldsAsTheyWere_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<bool>("signKnown");
        QTest::addColumn<bool>("elementKnown");
        // clang-format off
        QTest::newRow("both unknown") << "Ether" << "Cat" << false << false;
        QTest::newRow("sign in lower case") << "Metal" << "rat" << false << true;
        QTest::newRow("sign with a trailing space") << "Metal" << "Rat " << false << true;
        QTest::newRow("element in upper case") << "WOOD" << "Rat" << true << false;
        QTest::newRow("empty element") << "" << "Dragon" << true << false;
        // clang-format on
    }

    void unknownNamesLeaveTheirFieldsAsTheyWere()
    {
        // The two lookups are exact and independent: a miss on one must neither block nor blank the other.
        QFETCH(QString, element);
        QFETCH(QString, sign);
        QFETCH(bool, signKnown);
        QFETCH(bool, elementKnown);
        const ZodiacReading before = marked();
        ZodiacReading reading = before;
        ChineseZodiacDescription(reading, element, sign);

        if (signKnown) {
            verifySheetOf(reading, row(sign.toLatin1().constData()));
            QCOMPARE(reading.element, element);
        } else {
            ZodiacReading sheetOnly = reading;
            sheetOnly.elementText = before.elementText;
            QVERIFY(sheetOnly == before);
        }
        if (elementKnown)
            QVERIFY(reading.elementText != before.elementText && !reading.elementText.isEmpty());
        else
            QCOMPARE(reading.elementText, before.elementText);
    }

    void theOneArgumentFormWritesTheSharedReading()
    {
        // Proceed and the later windows meet in ZodiacResult; a lookup into a copy would show nothing.
        ZodiacResult = ZodiacReading();
        ChineseZodiacDescription(QStringLiteral("Metal"), QStringLiteral("Rat"));
        verifySheetOf(ZodiacResult, row("Rat"));
        QCOMPARE(ZodiacResult.element, QStringLiteral("Metal"));
        QVERIFY(!ZodiacResult.elementText.isEmpty());
        ZodiacResult = ZodiacReading();
    }
};

QTEST_GUILESS_MAIN(TestZodiacResult)
#include "tst_zodiac_result.moc"
