// Checks the line texts' table, the line headings and the hexagram symbols.
#include "iching/hexagram_lines.h"

#include <QtTest>

using namespace iching;

class TestHexagramLines : public QObject
{
    Q_OBJECT

private slots:
    void tableHoldsSixTextsForEveryHexagramInOrder()
    {
        // A missing row or a row out of place gives a reading the lines of another hexagram.
        QCOMPARE(HexagramLineTexts.size(), std::size_t(64));
        for (int n = 1; n <= 64; ++n) {
            const HexagramLines &row = hexagramLines(n);
            QCOMPARE(row.number, n);
            QCOMPARE(&row, &HexagramLineTexts[n - 1]);
            QVERIFY2(row.chinese && *row.chinese, qPrintable(QString::number(n)));
            QVERIFY2(row.pinyin && *row.pinyin, qPrintable(QString::number(n)));
            for (const char *line : row.lines)
                QVERIFY2(line && !QString::fromUtf8(line).trimmed().isEmpty(), qPrintable(QString::number(n)));
        }
    }

    void rowsAtTheEndsHoldTheirNamesAndTexts_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("pinyin");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("1, first line") << 1 << "乾" << "qián" << 1
            << "The dragon lies hidden in the deep water. This is not the time to act.";
        QTest::newRow("2, top line") << 2 << "坤" << "kūn" << 6
            << "Dragons do battle out in the wilds, and their blood runs dark and yellow.";
        QTest::newRow("3, its name") << 3 << "屯" << "zhūn" << 0 << "";
        QTest::newRow("32, last of the first half") << 32 << "恆" << "héng" << 6
            << "Constancy shaken into restlessness. Misfortune.";
        QTest::newRow("64, top line") << 64 << "未濟" << "wèi jì" << 6
            << "There is good faith in drinking wine together: no blame. But if he soaks his head, good faith is lost.";
        // clang-format on
    }

    void rowsAtTheEndsHoldTheirNamesAndTexts()
    {
        // A row slipped by one, or the two halves joined out of order, shows at the ends.
        QFETCH(int, number);
        QFETCH(QString, chinese);
        QFETCH(QString, pinyin);
        QFETCH(int, line);
        QFETCH(QString, text);
        QCOMPARE(QString::fromUtf8(hexagramLines(number).chinese), chinese);
        QCOMPARE(QString::fromUtf8(hexagramLines(number).pinyin), pinyin);
        if (line > 0)
            QCOMPARE(QString::fromUtf8(hexagramLines(number).lines[line - 1]), text);
    }

    void onlyTheCreativeAndTheReceptiveHaveAnAllLinesText()
    {
        // Only 1 and 2 can change in every line and keep a text for it; any other would read a stray pointer.
        for (int n = 1; n <= 64; ++n) {
            const char *text = allLinesChangeText(n);
            QCOMPARE(text != nullptr, n <= 2);
            if (text)
                QVERIFY(!QString::fromUtf8(text).trimmed().isEmpty());
        }
        QCOMPARE(QString::fromUtf8(allLinesChangeText(1)),
                 QStringLiteral(
                     "A host of dragons appears, and not one of them sets itself at the head. Good fortune."));
        QCOMPARE(QString::fromUtf8(allLinesChangeText(2)),
                 QStringLiteral("It is well to hold steady, and to go on holding steady for good."));
        QCOMPARE(allLinesChangeHeading(1), QStringLiteral("All nines"));
        QCOMPARE(allLinesChangeHeading(2), QStringLiteral("All sixes"));
    }

    void headingsNamePlaceAndKind_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("yang");
        QTest::addColumn<QString>("heading");
        QTest::newRow("1 yang") << 1 << true << "Nine at the beginning";
        QTest::newRow("1 yin") << 1 << false << "Six at the beginning";
        QTest::newRow("2 yin") << 2 << false << "Six in the second place";
        QTest::newRow("3 yang") << 3 << true << "Nine in the third place";
        QTest::newRow("4 yin") << 4 << false << "Six in the fourth place";
        QTest::newRow("5 yang") << 5 << true << "Nine in the fifth place";
        QTest::newRow("6 yin") << 6 << false << "Six at the top";
        QTest::newRow("6 yang") << 6 << true << "Nine at the top";
    }

    void headingsNamePlaceAndKind()
    {
        QFETCH(int, line);
        QFETCH(bool, yang);
        QFETCH(QString, heading);
        QCOMPARE(lineHeading(line, yang), heading);
    }

    void symbolsFollowTheNumbersThroughTheWholeBlock()
    {
        // The block runs in the order of the received text: 1 is its first character, 64 its last.
        QCOMPARE(hexagramSymbol(1), QChar(0x4DC0));
        QCOMPARE(hexagramSymbol(2), QChar(0x4DC1));
        QCOMPARE(hexagramSymbol(63), QChar(0x4DFE));
        QCOMPARE(hexagramSymbol(64), QChar(0x4DFF));
        for (int n = 1; n <= 64; ++n) {
            const QChar symbol = hexagramSymbol(n);
            QCOMPARE(symbol.category(), QChar::Symbol_Other);
            if (n > 1)
                QCOMPARE(symbol.unicode(), char16_t(hexagramSymbol(n - 1).unicode() + 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestHexagramLines)
#include "tst_hexagram_lines.moc"
