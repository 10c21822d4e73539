// The copy of a sign's attribute sheet and an element's text into the shared reading.
#include "zodiac/sign_attributes.h"
#include "zodiac/zodiac_result.h"

#include <QTest>

using namespace zodiac;

namespace {

const SignAttributes &row(const QString &sign)
{
    for (const SignAttributes &attributes : SignTable) {
        if (sign == QLatin1String(attributes.sign))
            return attributes;
    }
    qFatal("no row for %s", qPrintable(sign));
}

QString textOf(const QString &element)
{
    for (const ElementText &text : ElementTable) {
        if (element == QLatin1String(text.element))
            return QString::fromLatin1(text.text);
    }
    qFatal("no text for %s", qPrintable(element));
}

// A reading whose every field holds an old value of its own, to see which ones a lookup overwrote.
ZodiacReading marked()
{
    ZodiacReading reading;
    reading.name = QStringLiteral("old name");
    reading.sex = QStringLiteral("Female");
    int number = 0;
    for (QString *field : {&reading.sign, &reading.element, &reading.elementText, &reading.rulingPlanet,
                           &reading.positiveTraits, &reading.negativeTraits, &reading.luckyColour,
                           &reading.mostCompatible, &reading.leastCompatible, &reading.famousPersons, &reading.gemstone,
                           &reading.energy, &reading.favourableSeason, &reading.favourableMonth})
        *field = QStringLiteral("old field %1").arg(++number);
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

    void eachLookupFillsItsOwnFieldsOrNone_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<bool>("signKnown");
        QTest::addColumn<bool>("elementKnown");
        for (const SignAttributes &attributes : SignTable) {
            for (const ElementText &text : ElementTable) {
                QTest::addRow("%s %s", text.element, attributes.sign)
                    << QString::fromLatin1(text.element) << QString::fromLatin1(attributes.sign) << true << true;
            }
        }
        // clang-format off
        QTest::newRow("both unknown")               << "Ether" << "Cat"    << false << false;
        QTest::newRow("sign in lower case")         << "Metal" << "rat"    << false << true;
        QTest::newRow("sign with a trailing space") << "Metal" << "Rat "   << false << true;
        QTest::newRow("element in upper case")      << "WOOD"  << "Rat"    << true  << false;
        QTest::newRow("empty element")              << ""      << "Dragon" << true  << false;
        // clang-format on
    }

    void eachLookupFillsItsOwnFieldsOrNone()
    {
        // A field copied from the neighbouring column or row gives the reader another sign's sheet, and the
        // element text must come from the element alone, whichever sign it is read with. The two lookups are
        // exact and independent: a miss on one must neither block nor blank the other.
        QFETCH(QString, element);
        QFETCH(QString, sign);
        QFETCH(bool, signKnown);
        QFETCH(bool, elementKnown);
        const ZodiacReading before = marked();
        ZodiacReading reading = before;
        ChineseZodiacDescription(reading, element, sign);

        if (signKnown) {
            verifySheetOf(reading, row(sign));
            QCOMPARE(reading.element, element);
            QCOMPARE(reading.name, QStringLiteral("old name"));
            QCOMPARE(reading.sex, QStringLiteral("Female"));
        } else {
            ZodiacReading sheetOnly = reading;
            sheetOnly.elementText = before.elementText;
            QVERIFY(sheetOnly == before);
        }
        if (elementKnown) {
            QVERIFY(reading.elementText != before.elementText && !reading.elementText.isEmpty());
            QCOMPARE(reading.elementText, textOf(element));
        } else {
            QCOMPARE(reading.elementText, before.elementText);
        }
        if (element == QLatin1String("Water"))
            QVERIFY(reading.elementText.startsWith(
                QLatin1String("You have the fluidity of water and solve issues with your silent charm.")));
    }

    void theOneArgumentFormWritesTheSharedReading()
    {
        // Proceed and the later windows meet in ZodiacResult; a lookup into a copy would show nothing.
        ZodiacResult = ZodiacReading();
        ChineseZodiacDescription(QStringLiteral("Metal"), QStringLiteral("Rat"));
        verifySheetOf(ZodiacResult, row(QStringLiteral("Rat")));
        QCOMPARE(ZodiacResult.element, QStringLiteral("Metal"));
        QVERIFY(!ZodiacResult.elementText.isEmpty());
        ZodiacResult = ZodiacReading();
    }
};

QTEST_GUILESS_MAIN(TestZodiacResult)
#include "tst_zodiac_result.moc"
