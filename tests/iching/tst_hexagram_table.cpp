// Checks the hexagram table: keys, numbers, captions, line counts and the two fixed records.
#include "iching/hexagrams.h"

#include <QtTest>

#include <map>
#include <string_view>

using iching::HexagramCount;
using iching::HexagramRecord;
using iching::Hexagrams;

namespace {

// The records run by lower trigram, then by upper, both in this order.
constexpr std::string_view kTrigramOrder = "111 000 001 010 100 110 101 011";

struct ExpectedRow
{
    int number;
    const char *key;
    const char *caption;
    int judgementLines;
    int imageLines;
};

constexpr ExpectedRow kRows[HexagramCount] = {
    {1, "111111", "1 Ch'ien The Creative", 2, 2},
    {2, "000000", "2 K'un The Receptive", 8, 3},
    {3, "001010", "3 Chun Difficulty at the Beginning", 4, 4},
    {4, "010100", "4 Mo'^e'ng Youthful Folly", 7, 4},
    {5, "111010", "5 Hsu Waiting (Nourishment)", 4, 4},
    {6, "010111", "6 Sung Conflict", 6, 4},
    {7, "010000", "7 Shih The Army", 3, 4},
    {8, "000010", "8 Pi Holding Together [Union]", 7, 6},
    {9, "111110", "9 Hsiao Ch'u The Taming Power of the Small", 3, 4},
    {10, "011111", "10 Lu Treading [Conduct]", 2, 4},
    {11, "111000", "11 T'ai Peace", 3, 5},
    {12, "000111", "12 P'i Standstill [Stagnation]", 3, 5},
    {13, "101111", "13 T'ung Jo'^e'n Fellowship with Men", 4, 4},
    {14, "111101", "14 Ta Yu Possession in Great Measure", 2, 4},
    {15, "100000", "15 Ch'ien Modesty", 2, 5},
    {16, "000001", "16 Yu Enthusiasm", 2, 7},
    {17, "001011", "17 Sui Following", 2, 4},
    {18, "110100", "18 Ku Work on What Has Been Spoiled [Decay]", 5, 4},
    {19, "011000", "19 Lin Approach", 4, 6},
    {20, "000110", "20 Kuan Contemplation (View)", 3, 5},
    {21, "001101", "21 Shih Ho Biting Through", 2, 4},
    {22, "101100", "22 Pi Grace", 3, 5},
    {23, "000100", "23 Po Splitting Apart", 2, 4},
    {24, "001000", "24 Fu Return (The Turning Point)", 6, 7},
    {25, "001111", "25 Wu Wang Innocence (The Unexpected)", 6, 5},
    {26, "111100", "26 Ta Ch'u The Taming Power of the Great", 4, 5},
    {27, "001100", "27 I The Corners of the Mouth (Providing Nourishment)", 5, 4},
    {28, "110011", "28 Ta Kuo Preponderance of the Great", 4, 6},
    {29, "010010", "29 K'an The Abysmal (Water)", 3, 4},
    {30, "101101", "30 Li The Clinging, Fire", 3, 4},
    {31, "100011", "31 Hsien Influence (Wooing)", 3, 4},
    {32, "110001", "32 Ho'^e'ng Duration", 3, 3},
    {33, "100111", "33 Tun Retreat", 2, 3},
    {34, "111001", "34 Ta Chuang The Power of the Great", 1, 4},
    {35, "000101", "35 Chin Progress", 3, 4},
    {36, "101000", "36 Ming I Darkening of the Light", 2, 4},
    {37, "101110", "37 Chia Jo'^e'n The Family [The Clan]", 1, 4},
    {38, "011101", "38 K'uei Opposition", 1, 4},
    {39, "100010", "39 Chien Obstruction", 4, 4},
    {40, "010001", "40 Hsieh Deliverance", 5, 4},
    {41, "011100", "41 Sun Decrease", 7, 4},
    {42, "001110", "42 I Increase", 3, 4},
    {43, "111011", "43 Kuai Break-through (Resoluteness)", 6, 5},
    {44, "110111", "44 Kou Coming to Meet", 2, 4},
    {45, "000011", "45 Ts'ui Gathering Together [Massing]", 6, 4},
    {46, "110000", "46 Sho'^e'ng Pushing Upward", 5, 5},
    {47, "010011", "47 K'un Oppression (Exhaustion)", 5, 4},
    {48, "110010", "48 Ching The Well", 7, 3},
    {49, "101011", "49 Ko Revolution (Molting)", 5, 4},
    {50, "110101", "50 Ting The Caldron", 2, 4},
    {51, "001001", "51 Cho'^e'n The Arousing (Shock, Thunder)", 5, 4},
    {52, "100100", "52 Ko'^e'n Keeping Still, Mountain", 5, 5},
    {53, "100110", "53 Chien Development (Gradual Progress)", 4, 4},
    {54, "011001", "54 Kuei Mei The Marrying Maiden", 3, 5},
    {55, "101001", "55 Fo'^e'ng Abundance [Fullness]", 4, 4},
    {56, "100101", "56 Lu The Wanderer", 3, 6},
    {57, "110110", "57 Sun The Gentle (The Penetrating, Wind)", 3, 5},
    {58, "011011", "58 Tui The Joyous, Lake", 2, 4},
    {59, "010110", "59 Huan Dispersion [Dissolution]", 4, 4},
    {60, "011010", "60 Chieh Limitation", 2, 4},
    {61, "011110", "61 Chung Fu Inner Truth", 4, 3},
    {62, "100001", "62 Hsiao Kuo Preponderance of the Small", 7, 5},
    {63, "101010", "63 Chi Chi After Completion", 4, 5},
    {64, "010101", "64 Wei Chi Before Completion", 4, 5},
};

// These two texts are fixed to the letter; an edit or re-split would change what the reader sees.
const std::map<int, std::pair<QStringList, QStringList>> kFixedTexts{
    {1,
     {{"The Creative works sublime success,", "Furthering through perseverance."},
      {"The movement of heaven is full of power.", "Thus the superior man makes himself strong and untiring."}}},
    {58,
     {{"The Joyous. Success.", "Perseverance is favorable."},
      {"Lakes resting one on the other:", "The image of the Joyous.", "Thus the superior man joins with his friends",
       "For discussion and practice."}}},
};

template<std::size_t N>
int usedLines(const std::array<const char *, N> &lines)
{
    int count = 0;
    while (count < int(N) && lines[count])
        ++count;
    return count;
}

template<std::size_t N>
QStringList textOf(const std::array<const char *, N> &lines)
{
    QStringList text;
    for (int i = 0; i < usedLines(lines); ++i)
        text << QString::fromUtf8(lines[i]);
    return text;
}

// Text after a gap would be silently dropped, since a record's lines end at the first empty slot.
template<std::size_t N>
bool hasTextAfterGap(const std::array<const char *, N> &lines)
{
    return std::count(lines.begin(), lines.end(), nullptr) != int(N) - usedLines(lines);
}

// How many records pass the test: a key or a number must pick out exactly one.
template<class Test>
int recordsWhere(Test test)
{
    return int(std::count_if(Hexagrams.begin(), Hexagrams.end(), test));
}

} // namespace

class TestHexagramTable : public QObject
{
    Q_OBJECT

private slots:
    void recordSitsInTheTrigramGridAndMatchesItsTableRow_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < HexagramCount; ++row)
            QTest::newRow(qPrintable(QString("%1 %2").arg(kRows[row].number).arg(kRows[row].key))) << row;
    }

    void recordSitsInTheTrigramGridAndMatchesItsTableRow()
    {
        // Swapped trigrams or a shifted row name the wrong hexagram; a repeated key or number reads one cast twice and
        // hides another. The caption is the only place the reader sees the number, so "1" must not pass for "11"; a
        // broken, empty or padded line doubles the spacing once lines are joined for display.
        QFETCH(int, row);
        const ExpectedRow &expected = kRows[row];
        const std::string_view key(expected.key);
        const auto trigram = [&](std::size_t from) { return int(kTrigramOrder.find(key.substr(from, 3)) / 4); };
        const HexagramRecord &record = Hexagrams[trigram(0) * 8 + trigram(3)];
        QCOMPARE(QString::fromLatin1(record.key), QString::fromLatin1(expected.key));
        QCOMPARE(record.number, expected.number);
        QCOMPARE(recordsWhere([&](const HexagramRecord &r) { return r.key && key == r.key; }), 1);
        QCOMPARE(recordsWhere([&](const HexagramRecord &r) { return r.number == expected.number; }), 1);
        QVERIFY(record.caption);
        const QString caption = QString::fromUtf8(record.caption);
        QCOMPARE(caption, QString::fromUtf8(expected.caption));
        const QString prefix = QString::number(record.number) + QLatin1Char(' ');
        QVERIFY2(caption.startsWith(prefix) && caption.size() > prefix.size(), qPrintable(caption));
        QCOMPARE(usedLines(record.judgement), expected.judgementLines);
        QCOMPARE(usedLines(record.image), expected.imageLines);
        if (const auto fixed = kFixedTexts.find(expected.number); fixed != kFixedTexts.end()) {
            QCOMPARE(textOf(record.judgement), fixed->second.first);
            QCOMPARE(textOf(record.image), fixed->second.second);
        }
        for (const QString &line : textOf(record.judgement) + textOf(record.image)) {
            QVERIFY2(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')), qPrintable(line));
            QVERIFY2(!line.isEmpty() && line.trimmed() == line, qPrintable('"' + line + '"'));
        }
        QVERIFY2(!hasTextAfterGap(record.judgement), "judgement");
        QVERIFY2(!hasTextAfterGap(record.image), "image");
    }
};

QTEST_GUILESS_MAIN(TestHexagramTable)
#include "tst_hexagram_table.moc"
