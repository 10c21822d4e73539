// Tests of the sign attribute sheets and the element texts.
#include "zodiac/chinese_year.h"
#include "zodiac/sign_attributes.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <iterator>

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

// Each sign's row in cycle order: its short fields exactly, its trait texts' lengths and how many famous
// persons it lists.
struct SignFacts
{
    const char *sign, *rulingPlanet, *mostCompatible, *leastCompatible, *luckyColour, *gemstone, *energy,
        *favourableSeason, *favourableMonth;
    int positiveLength, negativeLength, famousCount;
};

// clang-format off
constexpr SignFacts kSigns[] = {
    {"Rat", "Jupiter", "Dragon, Monkey", "Horse",
     "Light Blue", "Carbuncle, Red Garnet", "Yin (positive)", "Winter", "December", 680, 570, 5},
    {"Ox", "Saturn", "Snake, Rooster", "Goat",
     "Violet", "White Onyx", "Yin (positive)", "End of Winter", "January", 922, 531, 7},
    {"Tiger", "Uranus", "Horse, Dog", "Monkey",
     "Green", "Sapphire", "Yang (Negative)", "Early Spring", "February", 759, 508, 6},
    {"Rabbit", "Jupiter", "Goat, Pig", "Rooster",
     "Pale Green", "Chrysolite", "Yin (positive)", "Mid Spring", "March", 731, 561, 6},
    {"Dragon", "Mars", "Rat, Monkey", "Dog",
     "Turquoise", "Amethyst", "Yang (Negative)", "End of Spring", "April", 840, 738, 3},
    {"Snake", "Venus", "Ox, Rooster", "Tiger, Pig",
     "Red", "Mossagate", "Yin (Positive Energy)", "Early Summer", "May", 761, 635, 6},
    {"Horse", "Mercury", "Tiger, Dog", "Rat",
     "Orange", "Beryl", "Yang (Negative)", "Mid Summer", "June", 762, 470, 5},
    {"Goat", "Moon", "Rabbit, Pig", "Ox",
     "Pink, Purple", "Emerald", "Yin (Positive)", "End of Summer", "July", 797, 500, 6},
    {"Monkey", "Sun", "Rat, Dragon", "Tiger",
     "Yellow, Gold", "Emerald", "Yang (Negative)", "Early Autumn", "August", 997, 432, 6},
    {"Rooster", "Mercury", "Ox, Dragon, Snake", "Rabbit",
     "Peach, Apricot", "Pin Jasper", "Yin (Positive)", "Mid Autumn", "September", 685, 438, 4},
    {"Dog", "Venus", "Tiger, Horse", "Dragon",
     "Pale Yellow", "Diamond", "Yang (Negative)", "Winter", "October", 739, 502, 8},
    {"Pig", "Mars", "Rabbit, Goat", "Snake",
     "Dark Blue", "Topaz", "Yin (Positive)", "Early Winter", "October", 614, 417, 5},
};
// clang-format on
static_assert(std::size(kSigns) == SignTable.size());

// Each element's row in lookup order, with the length of its text.
struct ElementFacts
{
    const char *element;
    int length;
};
constexpr ElementFacts kElements[] = {{"Metal", 302}, {"Water", 334}, {"Wood", 432}, {"Fire", 354}, {"Earth", 318}};
static_assert(std::size(kElements) == ElementTable.size());

// One data row per entry of the table, named by its key and holding its index.
template<class Facts, std::size_t N>
void addRowPerEntry(const Facts (&table)[N], const char *Facts::*key)
{
    QTest::addColumn<int>("index");
    for (int index = 0; index < int(N); ++index)
        QTest::newRow(table[index].*key) << index;
}

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

    const ChineseYearTable m_years = BuildChineseYearTable();

private slots:
    void eachSignHoldsItsFactsInCycleOrder_data() { addRowPerEntry(kSigns, &SignFacts::sign); }

    void eachSignHoldsItsFactsInCycleOrder()
    {
        // Guards against a row out of cycle order, a key unlike the name the year lookup gives, a label "tidied" in
        // capitals or spelling, a value in the wrong column, a trait text edited to another length or a piece that
        // lost its joining space, and a famous name lost or added, a separator other than ", " or a closing stop.
        QFETCH(int, index);
        const SignFacts &facts = kSigns[index];
        const SignAttributes &row = SignTable[index];
        QCOMPARE(QLatin1String(row.sign), QLatin1String(facts.sign));
        QCOMPARE(QLatin1String(row.sign), QLatin1String(signNames()[index]));
        QCOMPARE(QLatin1String(row.rulingPlanet), QLatin1String(facts.rulingPlanet));
        QCOMPARE(QLatin1String(row.mostCompatible), QLatin1String(facts.mostCompatible));
        QCOMPARE(QLatin1String(row.leastCompatible), QLatin1String(facts.leastCompatible));
        QCOMPARE(QLatin1String(row.luckyColour), QLatin1String(facts.luckyColour));
        QCOMPARE(QLatin1String(row.gemstone), QLatin1String(facts.gemstone));
        QCOMPARE(QLatin1String(row.energy), QLatin1String(facts.energy));
        QCOMPARE(QLatin1String(row.favourableSeason), QLatin1String(facts.favourableSeason));
        QCOMPARE(QLatin1String(row.favourableMonth), QLatin1String(facts.favourableMonth));
        QCOMPARE(int(std::strlen(row.positiveTraits)), facts.positiveLength);
        QCOMPARE(int(std::strlen(row.negativeTraits)), facts.negativeLength);
        verifyParagraph(row.positiveTraits);
        verifyParagraph(row.negativeTraits);
        const QStringList names = famousNames(row);
        QCOMPARE(names.size(), facts.famousCount);
        QVERIFY(!QByteArray(row.famousPersons).endsWith('.'));
        for (const QString &name : names) {
            QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(name));
            QVERIFY2(!name.contains(QLatin1Char(',')), qPrintable(name));
            // A person whose birth date falls in another Chinese year, e.g. before that year's new year.
            const auto proof = std::find_if(std::begin(kBirths), std::end(kBirths), [&](const BirthProof &birth) {
                return QLatin1String(birth.sign) == QLatin1String(facts.sign) && name == QLatin1String(birth.name);
            });
            QVERIFY2(proof != std::end(kBirths), qPrintable(QStringLiteral("no birth proof for ") + name));
            const QDate born(proof->born.year, proof->born.month, proof->born.day);
            QVERIFY2(born.isValid(), qPrintable(name));
            QVERIFY2(born.year() >= 1936 && born.year() <= 2019, qPrintable(name));
            const std::optional<SignAndElement> found = FindChineseYear(m_years, born);
            QVERIFY2(found, qPrintable(name));
            QVERIFY2(found->sign == QLatin1String(facts.sign),
                     qPrintable(name + QStringLiteral(" is a ") + found->sign));
        }
    }

    void eachElementHoldsItsTextInLookupOrder_data() { addRowPerEntry(kElements, &ElementFacts::element); }

    void eachElementHoldsItsTextInLookupOrder()
    {
        // Guards against a missing, misspelt or reordered key, and texts swapped between keys or edited to another
        // length. The table has as many rows as the year lookup has names, so each key found there covers them all.
        QFETCH(int, index);
        const ElementText &row = ElementTable[index];
        QCOMPARE(QLatin1String(row.element), QLatin1String(kElements[index].element));
        const auto &names = elementNames();
        QVERIFY2(std::any_of(names.begin(), names.end(),
                             [&](const char *name) { return QLatin1String(name) == QLatin1String(row.element); }),
                 row.element);
        QCOMPARE(int(std::strlen(row.text)), kElements[index].length);
        verifyParagraph(row.text);
    }

    void fixedPiecesOfTheTextsStayInPlace()
    {
        // Guards against the two fixed opening sentences being reworded or attached to another key, and against a
        // space slipping in where the Monkey's two pieces meet, or the join moving.
        QVERIFY(QByteArray(findSign(QStringLiteral("Rat"))->positiveTraits)
                    .startsWith("You are considered to be witty and charming people. "));
        QVERIFY(QByteArray(findElement(QStringLiteral("Water"))->text)
                    .startsWith("You have the fluidity of water and solve issues with your silent charm. "));
        const QByteArray monkey(findSign(QStringLiteral("Monkey"))->positiveTraits);
        QVERIFY(monkey.size() > 287);
        QCOMPARE(monkey.at(285), '.');
        QVERIFY2(monkey.at(286) >= 'A' && monkey.at(286) <= 'Z', monkey.mid(280, 12).constData());
    }

    void everyBirthProofIsListedOnceUnderItsSign()
    {
        // Guards against a person copied into a second list (one birth date has one sign), and against the table
        // and the birth proofs drifting apart, so every listed name stays proven.
        QSet<QString> seen;
        for (const SignAttributes &row : SignTable) {
            for (const QString &name : famousNames(row)) {
                QVERIFY2(!seen.contains(name), qPrintable(name));
                seen.insert(name);
            }
        }
        for (const BirthProof &proof : kBirths) {
            const SignAttributes *row = findSign(QLatin1String(proof.sign));
            QVERIFY2(row, proof.sign);
            QVERIFY2(famousNames(*row).contains(QLatin1String(proof.name)), proof.name);
        }
    }
};

QTEST_GUILESS_MAIN(TestSignAttributes)
#include "tst_sign_attributes.moc"
