// Casting logic: coins, line values, the cast record, keys, lookups and changing lines.
#include "iching/casting.h"
#include "support/fake_platform.h"

#include <QTest>

using namespace iching;

namespace {

// The traditional sequence number of every pairing, written independently of the program's top-down codes.
// [lower][upper], both in the order Heaven, Lake, Fire, Thunder, Wind, Water, Mountain, Earth: their lines read
// from the bottom up (1 = yang) count down from 111 to 000.
constexpr int kSequence[8][8] = {
    /* Heaven   */ {1, 43, 14, 34, 9, 5, 26, 11},
    /* Lake     */ {10, 58, 38, 54, 61, 60, 41, 19},
    /* Fire     */ {13, 49, 30, 55, 37, 63, 22, 36},
    /* Thunder  */ {25, 17, 21, 51, 42, 3, 27, 24},
    /* Wind     */ {44, 28, 50, 32, 57, 48, 18, 46},
    /* Water    */ {6, 47, 64, 40, 59, 29, 4, 7},
    /* Mountain */ {33, 31, 56, 62, 53, 39, 52, 15},
    /* Earth    */ {12, 45, 35, 16, 20, 8, 23, 2},
};

int numberOfLines(const std::array<bool, 6> &yang)
{
    const auto trigram = [&](int bottom) { return 7 - (4 * yang[bottom] + 2 * yang[bottom + 1] + yang[bottom + 2]); };
    return kSequence[trigram(0)][trigram(3)];
}

} // namespace

class TestCasting : public QObject
{
    Q_OBJECT

private slots:
    void coinRoundsHalfToEven_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<bool>("heads");
        QTest::newRow("0") << 0.0 << false;
        QTest::newRow("just below 0.5") << std::nextafter(0.5, 0.0) << false;
        QTest::newRow("exactly 0.5") << 0.5 << false;
        QTest::newRow("just above 0.5") << std::nextafter(0.5, 1.0) << true;
        QTest::newRow("largest below 1") << testsupport::largestBelowOne() << true;
    }

    void coinRoundsHalfToEven()
    {
        // Rounding half up would make heads more likely than tails.
        QFETCH(double, r);
        QFETCH(bool, heads);
        QCOMPARE(coinFaceFor(r) == CoinFace::Heads, heads);
    }

    void threeCoinsGiveTheFourLineValues_data()
    {
        QTest::addColumn<int>("heads");
        QTest::addColumn<int>("value");
        QTest::newRow("three tails") << 0 << 6;
        QTest::newRow("one head") << 1 << 7;
        QTest::newRow("two heads") << 2 << 8;
        QTest::newRow("three heads") << 3 << 9;
    }

    void threeCoinsGiveTheFourLineValues()
    {
        // Heads count 3 and tails 2; swapping them turns every yang into yin.
        QFETCH(int, heads);
        QFETCH(int, value);
        testsupport::FakeRandom random;
        for (int coin = 0; coin < 3; ++coin)
            random.values.push_back(coin < heads ? 0.75 : 0.25);
        const Toss toss = tossLine(random);
        QCOMPARE(int(toss.lineValue), value);
        QCOMPARE(random.draws, 3);
        QCOMPARE(toss.faces[0], heads > 0 ? CoinFace::Heads : CoinFace::Tails);
        QCOMPARE(toss.faces[2], heads == 3 ? CoinFace::Heads : CoinFace::Tails);
    }

    void recordFillsLinesBottomUpAndStopsAtTheSixth()
    {
        // The first toss is the bottom line; a seventh toss must never overwrite the top.
        Cast cast;
        QCOMPARE(cast.intCurrentLine, qint16(0));
        QVERIFY(!cast.record(9));
        QCOMPARE(cast.marksArray, (Marks{9, 0, 0, 0, 0, 0}));
        QCOMPARE(cast.intCurrentLine, qint16(1));
        for (int value : {8, 7, 6, 7})
            QVERIFY(!cast.record(qint16(value)));
        QVERIFY(cast.record(8));
        QCOMPARE(cast.intCurrentLine, qint16(5));
        QCOMPARE(cast.marksArray, (Marks{9, 8, 7, 6, 7, 8}));
        cast.clearLines();
        QCOMPARE(cast.marksArray, (Marks{0, 0, 0, 0, 0, 0}));
    }

    void keyEdgeCases_data()
    {
        QTest::addColumn<Marks>("marks");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        // clang-format off
        QTest::newRow("six 7s") << Marks{7, 7, 7, 7, 7, 7} << "111111" << "1 Ch'ien The Creative";
        QTest::newRow("six 8s") << Marks{8, 8, 8, 8, 8, 8} << "000000" << "2 K'un The Receptive";
        QTest::newRow("six 9s") << Marks{9, 9, 9, 9, 9, 9} << "111111" << "1 Ch'ien The Creative";
        QTest::newRow("six 6s") << Marks{6, 6, 6, 6, 6, 6} << "000000" << "2 K'un The Receptive";
        QTest::newRow("line 1 yang") << Marks{7, 8, 8, 8, 8, 8} << "001000" << "24 Fu Return (The Turning Point)";
        QTest::newRow("line 6 yang") << Marks{8, 8, 8, 8, 8, 7} << "000100" << "23 Po Splitting Apart";
        QTest::newRow("lower yang") << Marks{7, 9, 7, 8, 6, 8} << "111000" << "11 T'ai Peace";
        QTest::newRow("upper yang") << Marks{8, 8, 6, 7, 7, 9} << "000111" << "12 P'i Standstill [Stagnation]";
        QTest::newRow("five lines") << Marks{7, 7, 7, 7, 7, 0} << "11111" << "";
        QTest::newRow("one line") << Marks{9, 0, 0, 0, 0, 0} << "1" << "";
        QTest::newRow("nothing cast") << Marks{0, 0, 0, 0, 0, 0} << "" << "";
        // clang-format on
    }

    void keyEdgeCases()
    {
        // Changing lines count as cast; an incomplete cast must find nothing.
        QFETCH(Marks, marks);
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QCOMPARE(hexagramKey(marks), key);
        const HexagramRecord *record = lookupHexagram(key);
        QCOMPARE(record ? QString::fromUtf8(record->caption) : QString(), caption);
    }

    void everyCastMatchesAnIndependentTableAndNoOtherKeyFindsARecord()
    {
        // Line order and the meaning of 6, 7, 8 and 9 are where readings most often go wrong.
        for (int n = 0; n < 4096; ++n) {
            Marks marks{};
            Marks settled{};
            std::array<bool, 6> castYang{};
            std::array<bool, 6> changedYang{};
            QString changing;
            for (int line = 0; line < 6; ++line) {
                const int value = 6 + ((n >> (2 * line)) & 3);
                marks[line] = qint16(value);
                settled[line] = qint16(value == 6 ? 7 : value == 9 ? 8 : value);
                castYang[line] = value == 7 || value == 9;
                changedYang[line] = value == 6 || value == 7;
                if (value == 6 || value == 9)
                    changing += QStringLiteral("Line %1 Changed\r\n").arg(line + 1);
                const LineSymbol drawn = castSymbol(marks[line]);
                QCOMPARE(drawn == LineSymbol::Yang || drawn == LineSymbol::OldYang, castYang[line]);
                QCOMPARE(drawn == LineSymbol::OldYin || drawn == LineSymbol::OldYang, isChanging(marks[line]));
                QCOMPARE(changedSymbol(marks[line]) == LineSymbol::Yang, changedYang[line]);
            }
            const HexagramRecord *record = lookupHexagram(hexagramKey(marks));
            QVERIFY(record);
            QCOMPARE(record->number, numberOfLines(castYang));
            QCOMPARE(changingLinesText(marks), changing);
            QCOMPARE(lookupHexagram(hexagramKey(settled))->number, numberOfLines(changedYang));
        }
        for (const char *key : {"", "0", "11111", "1111111", "11111x", "2111111", " 11111"})
            QVERIFY2(lookupHexagram(QString::fromLatin1(key)) == nullptr, key);
    }

    void symbolsAndTextsReadExactlyWithCrLfBetweenLines()
    {
        // The strings are what a reader sees and what a screen reader is told; nothing follows the last line.
        QCOMPARE(symbolText(LineSymbol::OldYin), QStringLiteral("------ x ------"));
        QCOMPARE(symbolText(LineSymbol::Yin), QStringLiteral("------    ------"));
        QCOMPARE(symbolText(LineSymbol::OldYang), QStringLiteral("------ o ------"));
        QCOMPARE(symbolText(LineSymbol::Yang), QStringLiteral("----------------"));
        const HexagramRecord *creative = lookupHexagram(QStringLiteral("111111"));
        QCOMPARE(judgementText(*creative),
                 QStringLiteral("The Creative works sublime success,\r\nFurthering through perseverance."));
        QCOMPARE(imageText(*creative), QStringLiteral("The movement of heaven is full of power.\r\n"
                                                      "Thus the superior man makes himself strong and untiring."));
    }
};

QTEST_GUILESS_MAIN(TestCasting)
#include "tst_casting.moc"
