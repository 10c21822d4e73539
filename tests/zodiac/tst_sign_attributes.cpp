// Tests of the sign attribute sheets and the element texts.
#include "zodiac/chinese_year.h"
#include "zodiac/sign_attributes.h"

#include <QMultiHash>
#include <QSet>
#include <QTest>

#include <cstring>

using namespace zodiac;

namespace {

struct BirthProof
{
    const char *sign;
    const char *name;
    struct
    {
        int year, month, day;
    } born;
};

// Everyone listed in the table, with the birth date that puts them under their sign.
// clang-format off
constexpr BirthProof kBirths[] = {
    {"Rat", "Mitsuko Uchida", {1948, 12, 20}},
    {"Rat", "Haruki Murakami", {1949,  1, 12}},
    {"Rat", "Zinedine Zidane", {1972,  6, 23}},
    {"Rat", "Scarlett Johansson", {1984, 11, 22}},
    {"Rat", "LeBron James", {1984, 12, 30}},
    {"Ox", "Meryl Streep", {1949,  6, 22}},
    {"Ox", "Bruce Springsteen", {1949,  9, 23}},
    {"Ox", "George Clooney", {1961,  5,  6}},
    {"Ox", "Andy Lau", {1961,  9, 27}},
    {"Ox", "Ichiro Suzuki", {1973, 10, 22}},
    {"Ox", "Malala Yousafzai", {1997,  7, 12}},
    {"Ox", "Naomi Osaka", {1997, 10, 16}},
    {"Tiger", "Stevie Wonder", {1950,  5, 13}},
    {"Tiger", "Zaha Hadid", {1950, 10, 31}},
    {"Tiger", "Tony Leung Chiu-wai", {1962,  6, 27}},
    {"Tiger", "Leonardo DiCaprio", {1974, 11, 11}},
    {"Tiger", "Lady Gaga", {1986,  3, 28}},
    {"Tiger", "Rafael Nadal", {1986,  6,  3}},
    {"Rabbit", "Margaret Atwood", {1939, 11, 18}},
    {"Rabbit", "Jet Li", {1963,  4, 26}},
    {"Rabbit", "David Beckham", {1975,  5,  2}},
    {"Rabbit", "Kate Winslet", {1975, 10,  5}},
    {"Rabbit", "Yuja Wang", {1987,  2, 10}},
    {"Rabbit", "Lionel Messi", {1987,  6, 24}},
    {"Dragon", "Bruce Lee", {1940, 11, 27}},
    {"Dragon", "Hayao Miyazaki", {1941,  1,  5}},
    {"Dragon", "Maggie Cheung", {1964,  9, 20}},
    {"Snake", "Bob Dylan", {1941,  5, 24}},
    {"Snake", "Stephen Hawking", {1942,  1,  8}},
    {"Snake", "Oprah Winfrey", {1954,  1, 29}},
    {"Snake", "Gong Li", {1965, 12, 31}},
    {"Snake", "Taylor Swift", {1989, 12, 13}},
    {"Snake", "Kei Nishikori", {1989, 12, 29}},
    {"Horse", "Paul McCartney", {1942,  6, 18}},
    {"Horse", "Jackie Chan", {1954,  4,  7}},
    {"Horse", "Ang Lee", {1954, 10, 23}},
    {"Horse", "Emma Watson", {1990,  4, 15}},
    {"Horse", "Kim Yuna", {1990,  9,  5}},
    {"Goat", "Mick Jagger", {1943,  7, 26}},
    {"Goat", "Chow Yun-fat", {1955,  5, 18}},
    {"Goat", "Bill Gates", {1955, 10, 28}},
    {"Goat", "Nicole Kidman", {1967,  6, 20}},
    {"Goat", "Julia Roberts", {1967, 10, 28}},
    {"Goat", "Zhang Ziyi", {1979,  2,  9}},
    {"Monkey", "Diana Ross", {1944,  3, 26}},
    {"Monkey", "Tom Hanks", {1956,  7,  9}},
    {"Monkey", "Hugh Jackman", {1968, 10, 12}},
    {"Monkey", "Venus Williams", {1980,  6, 17}},
    {"Monkey", "Yao Ming", {1980,  9, 12}},
    {"Monkey", "Son Heung-min", {1992,  7,  8}},
    {"Rooster", "Faye Wong", {1969,  8,  8}},
    {"Rooster", "Bong Joon-ho", {1969,  9, 14}},
    {"Rooster", "Roger Federer", {1981,  8,  8}},
    {"Rooster", "Serena Williams", {1981,  9, 26}},
    {"Dog", "Cher", {1946,  5, 20}},
    {"Dog", "Freddie Mercury", {1946,  9,  5}},
    {"Dog", "Steven Spielberg", {1946, 12, 18}},
    {"Dog", "Wong Kar-wai", {1958,  7, 17}},
    {"Dog", "Madonna", {1958,  8, 16}},
    {"Dog", "Han Kang", {1970, 11, 27}},
    {"Dog", "Li Na", {1982,  2, 26}},
    {"Dog", "Shohei Ohtani", {1994,  7,  5}},
    {"Pig", "Elton John", {1947,  3, 25}},
    {"Pig", "Youn Yuh-jung", {1947,  6, 19}},
    {"Pig", "Stephen King", {1947,  9, 21}},
    {"Pig", "Ken Watanabe", {1959, 10, 21}},
    {"Pig", "Ewan McGregor", {1971,  3, 31}},
};
// clang-format on

const SignAttributes *findSign(const QString &sign)
{
    for (const SignAttributes &row : SignTable) {
        if (sign == QLatin1String(row.sign))
            return &row;
    }
    return nullptr;
}

const ElementText *findElement(const QString &element)
{
    for (const ElementText &row : ElementTable) {
        if (element == QLatin1String(row.element))
            return &row;
    }
    return nullptr;
}

QStringList famousNames(const SignAttributes &row)
{
    return QString::fromLatin1(row.famousPersons).split(QStringLiteral(", "));
}

// Prose goes into one-line text boxes and the printed sheet: one paragraph, plain ASCII, closed by a full stop.
void verifyParagraph(const char *text)
{
    const QByteArray bytes(text);
    QVERIFY2(!bytes.contains('\r') && !bytes.contains('\n'), "line break inside the text");
    QVERIFY2(bytes.endsWith('.'), "text does not end with a full stop");
    QVERIFY2(!bytes.contains("  "), "double space inside the text");
    QVERIFY2(!bytes.startsWith(' '), "text starts with a space");
    for (const char c : bytes)
        QVERIFY2(static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f, "not plain ASCII");
}

} // namespace

class TestSignAttributes : public QObject
{
    Q_OBJECT

private slots:
    void signsFollowTheYearCycleOrder();
    void elementsFollowTheLookupOrder();
    void shortFieldsAreStoredExactly_data();
    void shortFieldsAreStoredExactly();
    void traitTextsHaveTheirExactLength_data();
    void traitTextsHaveTheirExactLength();
    void elementTextsHaveTheirExactLength_data();
    void elementTextsHaveTheirExactLength();
    void textsOpenWithTheirFixedSentence();
    void monkeyPositiveJoinsItsTwoPiecesWithoutASpace();
    void famousPersonsListHasItsNumberOfNames_data();
    void famousPersonsListHasItsNumberOfNames();
    void nobodyIsListedUnderTwoSigns();
    void famousPersonIsBornUnderTheSign_data();
    void famousPersonIsBornUnderTheSign();
    void everyListedPersonHasABirthProof();
};

void TestSignAttributes::signsFollowTheYearCycleOrder()
{
    // Guards against a row out of cycle order or a key that differs from the name the year lookup produces.
    const char *expected[] = {"Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
                              "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig"};
    for (std::size_t i = 0; i < SignTable.size(); ++i) {
        QCOMPARE(QLatin1String(SignTable[i].sign), QLatin1String(expected[i]));
        QCOMPARE(QLatin1String(SignTable[i].sign), QLatin1String(signNames()[i]));
    }
}

void TestSignAttributes::elementsFollowTheLookupOrder()
{
    // Guards against a missing, misspelt or reordered element key.
    const char *expected[] = {"Metal", "Water", "Wood", "Fire", "Earth"};
    for (std::size_t i = 0; i < ElementTable.size(); ++i)
        QCOMPARE(QLatin1String(ElementTable[i].element), QLatin1String(expected[i]));
    for (const char *element : elementNames())
        QVERIFY2(findElement(QLatin1String(element)), element);
}

void TestSignAttributes::shortFieldsAreStoredExactly_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("rulingPlanet");
    QTest::addColumn<QString>("mostCompatible");
    QTest::addColumn<QString>("leastCompatible");
    QTest::addColumn<QString>("luckyColour");
    QTest::addColumn<QString>("gemstone");
    QTest::addColumn<QString>("energy");
    QTest::addColumn<QString>("favourableSeason");
    QTest::addColumn<QString>("favourableMonth");

    // clang-format off
    QTest::newRow("Rat") << "Rat" << "Jupiter" << "Dragon, Monkey" << "Horse"
                         << "Light Blue" << "Carbuncle, Red Garnet" << "Yin (positive)" << "Winter" << "December";
    QTest::newRow("Ox") << "Ox" << "Saturn" << "Snake, Rooster" << "Goat"
                         << "Violet" << "White Onyx" << "Yin (positive)" << "End of Winter" << "January";
    QTest::newRow("Tiger") << "Tiger" << "Uranus" << "Horse, Dog" << "Monkey"
                         << "Green" << "Sapphire" << "Yang (Negative)" << "Early Spring" << "February";
    QTest::newRow("Rabbit") << "Rabbit" << "Jupiter" << "Goat, Pig" << "Rooster"
                         << "Pale Green" << "Chrysolite" << "Yin (positive)" << "Mid Spring" << "March";
    QTest::newRow("Dragon") << "Dragon" << "Mars" << "Rat, Monkey" << "Dog"
                         << "Turquoise" << "Amethyst" << "Yang (Negative)" << "End of Spring" << "April";
    QTest::newRow("Snake") << "Snake" << "Venus" << "Ox, Rooster" << "Tiger, Pig"
                         << "Red" << "Mossagate" << "Yin (Positive Energy)" << "Early Summer" << "May";
    QTest::newRow("Horse") << "Horse" << "Mercury" << "Tiger, Dog" << "Rat"
                         << "Orange" << "Beryl" << "Yang (Negative)" << "Mid Summer" << "June";
    QTest::newRow("Goat") << "Goat" << "Moon" << "Rabbit, Pig" << "Ox"
                         << "Pink, Purple" << "Emerald" << "Yin (Positive)" << "End of Summer" << "July";
    QTest::newRow("Monkey") << "Monkey" << "Sun" << "Rat, Dragon" << "Tiger"
                         << "Yellow, Gold" << "Emerald" << "Yang (Negative)" << "Early Autumn" << "August";
    QTest::newRow("Rooster") << "Rooster" << "Mercury" << "Ox, Dragon, Snake" << "Rabbit"
                         << "Peach, Apricot" << "Pin Jasper" << "Yin (Positive)" << "Mid Autumn" << "September";
    QTest::newRow("Dog") << "Dog" << "Venus" << "Tiger, Horse" << "Dragon"
                         << "Pale Yellow" << "Diamond" << "Yang (Negative)" << "Winter" << "October";
    QTest::newRow("Pig") << "Pig" << "Mars" << "Rabbit, Goat" << "Snake"
                         << "Dark Blue" << "Topaz" << "Yin (Positive)" << "Early Winter" << "October";
    // clang-format on
}

void TestSignAttributes::shortFieldsAreStoredExactly()
{
    // Guards against a label "tidied" in capitals or spelling, or a value shifted into the wrong column.
    QFETCH(QString, sign);
    const SignAttributes *row = findSign(sign);
    QVERIFY(row);
    QTEST(QString::fromLatin1(row->rulingPlanet), "rulingPlanet");
    QTEST(QString::fromLatin1(row->mostCompatible), "mostCompatible");
    QTEST(QString::fromLatin1(row->leastCompatible), "leastCompatible");
    QTEST(QString::fromLatin1(row->luckyColour), "luckyColour");
    QTEST(QString::fromLatin1(row->gemstone), "gemstone");
    QTEST(QString::fromLatin1(row->energy), "energy");
    QTEST(QString::fromLatin1(row->favourableSeason), "favourableSeason");
    QTEST(QString::fromLatin1(row->favourableMonth), "favourableMonth");
}

void TestSignAttributes::traitTextsHaveTheirExactLength_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<int>("positiveLength");
    QTest::addColumn<int>("negativeLength");

    QTest::newRow("Rat") << "Rat" << 680 << 570;
    QTest::newRow("Ox") << "Ox" << 922 << 531;
    QTest::newRow("Tiger") << "Tiger" << 759 << 508;
    QTest::newRow("Rabbit") << "Rabbit" << 731 << 561;
    QTest::newRow("Dragon") << "Dragon" << 840 << 738;
    QTest::newRow("Snake") << "Snake" << 761 << 635;
    QTest::newRow("Horse") << "Horse" << 762 << 470;
    QTest::newRow("Goat") << "Goat" << 797 << 500;
    QTest::newRow("Monkey") << "Monkey" << 997 << 432;
    QTest::newRow("Rooster") << "Rooster" << 685 << 438;
    QTest::newRow("Dog") << "Dog" << 739 << 502;
    QTest::newRow("Pig") << "Pig" << 614 << 417;
}

void TestSignAttributes::traitTextsHaveTheirExactLength()
{
    // Guards against an edit that changes a trait text's length, or a literal piece that lost its joining space.
    QFETCH(QString, sign);
    QFETCH(int, positiveLength);
    QFETCH(int, negativeLength);
    const SignAttributes *row = findSign(sign);
    QVERIFY(row);
    QCOMPARE(int(std::strlen(row->positiveTraits)), positiveLength);
    QCOMPARE(int(std::strlen(row->negativeTraits)), negativeLength);
    verifyParagraph(row->positiveTraits);
    verifyParagraph(row->negativeTraits);
}

void TestSignAttributes::elementTextsHaveTheirExactLength_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("length");

    QTest::newRow("Metal") << "Metal" << 302;
    QTest::newRow("Water") << "Water" << 334;
    QTest::newRow("Wood") << "Wood" << 432;
    QTest::newRow("Fire") << "Fire" << 354;
    QTest::newRow("Earth") << "Earth" << 318;
}

void TestSignAttributes::elementTextsHaveTheirExactLength()
{
    // Guards against element texts swapped between keys or edited to another length.
    QFETCH(QString, element);
    QFETCH(int, length);
    const ElementText *row = findElement(element);
    QVERIFY(row);
    QCOMPARE(int(std::strlen(row->text)), length);
    verifyParagraph(row->text);
}

void TestSignAttributes::textsOpenWithTheirFixedSentence()
{
    // Guards against the two fixed opening sentences being reworded or attached to another key.
    QVERIFY(QByteArray(findSign(QStringLiteral("Rat"))->positiveTraits)
                .startsWith("You are considered to be witty and charming people. "));
    QVERIFY(QByteArray(findElement(QStringLiteral("Water"))->text)
                .startsWith("You have the fluidity of water and solve issues with your silent charm. "));
}

void TestSignAttributes::monkeyPositiveJoinsItsTwoPiecesWithoutASpace()
{
    // Guards against a space slipping in where the Monkey's two pieces meet, or the join moving.
    const QByteArray text(findSign(QStringLiteral("Monkey"))->positiveTraits);
    QVERIFY(text.size() > 287);
    QCOMPARE(text.at(285), '.');
    QVERIFY2(text.at(286) >= 'A' && text.at(286) <= 'Z', text.mid(280, 12).constData());
}

void TestSignAttributes::famousPersonsListHasItsNumberOfNames_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<int>("count");

    QTest::newRow("Rat") << "Rat" << 5;
    QTest::newRow("Ox") << "Ox" << 7;
    QTest::newRow("Tiger") << "Tiger" << 6;
    QTest::newRow("Rabbit") << "Rabbit" << 6;
    QTest::newRow("Dragon") << "Dragon" << 3;
    QTest::newRow("Snake") << "Snake" << 6;
    QTest::newRow("Horse") << "Horse" << 5;
    QTest::newRow("Goat") << "Goat" << 6;
    QTest::newRow("Monkey") << "Monkey" << 6;
    QTest::newRow("Rooster") << "Rooster" << 4;
    QTest::newRow("Dog") << "Dog" << 8;
    QTest::newRow("Pig") << "Pig" << 5;
}

void TestSignAttributes::famousPersonsListHasItsNumberOfNames()
{
    // Guards against a name lost or added, a separator other than ", ", or a closing full stop.
    QFETCH(QString, sign);
    QFETCH(int, count);
    const SignAttributes *row = findSign(sign);
    QVERIFY(row);
    const QStringList names = famousNames(*row);
    QCOMPARE(names.size(), count);
    QVERIFY(!QByteArray(row->famousPersons).endsWith('.'));
    for (const QString &name : names) {
        QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(name));
        QVERIFY2(!name.contains(QLatin1Char(',')), qPrintable(name));
    }
}

void TestSignAttributes::nobodyIsListedUnderTwoSigns()
{
    // Guards against a person copied into a second list: one birth date has one sign.
    QSet<QString> seen;
    for (const SignAttributes &row : SignTable) {
        for (const QString &name : famousNames(row)) {
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
        }
    }
}

void TestSignAttributes::famousPersonIsBornUnderTheSign_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("born");

    for (const BirthProof &proof : kBirths) {
        const QByteArray label = QByteArray(proof.sign) + ": " + proof.name;
        QTest::newRow(label.constData()) << QString::fromLatin1(proof.sign) << QString::fromLatin1(proof.name)
                                         << QDate(proof.born.year, proof.born.month, proof.born.day);
    }
}

void TestSignAttributes::famousPersonIsBornUnderTheSign()
{
    // Guards against a person whose birth date falls in another Chinese year, e.g. before that year's new year.
    QFETCH(QString, sign);
    QFETCH(QDate, born);
    QVERIFY(born.isValid());
    QVERIFY(born.year() >= 1936 && born.year() <= 2019);
    static const ChineseYearTable table = BuildChineseYearTable();
    const std::optional<SignAndElement> found = FindChineseYear(table, born);
    QVERIFY(found);
    QCOMPARE(found->sign, sign);
}

void TestSignAttributes::everyListedPersonHasABirthProof()
{
    // Guards against the table and the birth proofs drifting apart, so every listed name stays proven.
    QMultiHash<QString, QString> proven;
    for (const BirthProof &proof : kBirths)
        proven.insert(QString::fromLatin1(proof.sign), QString::fromLatin1(proof.name));

    for (const SignAttributes &row : SignTable) {
        const QString sign = QString::fromLatin1(row.sign);
        const QStringList names = famousNames(row);
        for (const QString &name : names)
            QVERIFY2(proven.contains(sign, name), qPrintable(sign + QStringLiteral(": no proof for ") + name));
        for (const QString &name : proven.values(sign))
            QVERIFY2(names.contains(name), qPrintable(sign + QStringLiteral(": not in the table: ") + name));
    }
    for (const QString &sign : proven.uniqueKeys())
        QVERIFY2(findSign(sign), qPrintable(sign));
}

QTEST_GUILESS_MAIN(TestSignAttributes)
#include "tst_sign_attributes.moc"
