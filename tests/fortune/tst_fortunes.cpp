// Tests of the fortune table: numbering, the fixed texts and the shape of every fortune.
#include "fortune/fortunes.h"

#include <QSet>
#include <QTest>

using fortune::FortuneCount;
using fortune::Fortunes;

class TestFortunes : public QObject
{
    Q_OBJECT

private slots:
    void tableHoldsOneRowForEachNumberFromZeroTo155();
    void everyRowNumberEqualsItsPosition();
    void fixedRowsHoldTheirExactTexts_data();
    void fixedRowsHoldTheirExactTexts();
    void everyFortuneIsOneLineOfFittingLength_data();
    void everyFortuneIsOneLineOfFittingLength();
    void noTwoFortunesAreAlike();
};

void TestFortunes::tableHoldsOneRowForEachNumberFromZeroTo155()
{
    // Guards against a row added or dropped, which would let a draw of 0..155 miss or reach past the table.
    QCOMPARE(FortuneCount, 156);
    QCOMPARE(Fortunes.size(), std::size_t(156));
}

void TestFortunes::everyRowNumberEqualsItsPosition()
{
    // Guards against a renumbered or shifted row, which would make the lookup by number show the wrong fortune.
    for (int i = 0; i < FortuneCount; ++i)
        QVERIFY2(Fortunes[i].number == i,
                 qPrintable(QStringLiteral("row %1 carries number %2").arg(i).arg(Fortunes[i].number)));
}

void TestFortunes::fixedRowsHoldTheirExactTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    QTest::newRow("first, drawn by r = 0")
        << 0 << QStringLiteral("Everywhere you choose to go, friendly faces will greet you.");
    QTest::newRow("row 10") << 10 << QStringLiteral("Fortune favors the brave.");
    QTest::newRow("last, drawn by the largest r")
        << 155 << QStringLiteral("Next time you have the opportunity, go on a rollercoaster.");
}

void TestFortunes::fixedRowsHoldTheirExactTexts()
{
    // Guards against an edited, re-spelt or misplaced fixed fortune.
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(QString::fromUtf8(Fortunes[row].text), text);
}

void TestFortunes::everyFortuneIsOneLineOfFittingLength_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < FortuneCount; ++i)
        QTest::addRow("row %d", i) << i;
}

void TestFortunes::everyFortuneIsOneLineOfFittingLength()
{
    // Guards against an empty, clipped, overlong or broken-up fortune that the result label would show badly.
    QFETCH(int, row);
    QVERIFY(Fortunes[row].text != nullptr);
    const QString text = QString::fromUtf8(Fortunes[row].text);
    QVERIFY2(text.size() >= 20 && text.size() <= 228, qPrintable(QStringLiteral("%1 characters").arg(text.size())));
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QVERIFY(!text.contains(QLatin1Char('\r')));
    QCOMPARE(text.trimmed(), text);
}

void TestFortunes::noTwoFortunesAreAlike()
{
    // Guards against a pasted-twice row, which would make one fortune twice as likely and lose another.
    QSet<QString> seen;
    for (const auto &row : Fortunes) {
        const QString text = QString::fromUtf8(row.text);
        QVERIFY2(!seen.contains(text), qPrintable(QStringLiteral("row %1 repeats \"%2\"").arg(row.number).arg(text)));
        seen.insert(text);
    }
}

QTEST_GUILESS_MAIN(TestFortunes)
#include "tst_fortunes.moc"
