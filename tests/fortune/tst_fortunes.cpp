// Tests of the fortune table: numbering, the fixed texts in it and by lookup, and the shape of every fortune.
#include "fortune/fortune_lookup.h"
#include "fortune/fortunes.h"

#include <QSet>
#include <QTest>

using fortune::FortuneCount;
using fortune::Fortunes;

class TestFortunes : public QObject
{
    Q_OBJECT

private slots:
    void tableHoldsRowsZeroTo155EachOnceInPlace()
    {
        // A row added or dropped lets a draw of 0..155 miss or reach past the table; a renumbered or shifted row
        // makes the lookup by number show the wrong fortune; a pasted-twice row makes one fortune twice as likely.
        QCOMPARE(FortuneCount, 156);
        QCOMPARE(Fortunes.size(), std::size_t(156));
        QSet<QString> seen;
        for (int i = 0; i < FortuneCount; ++i) {
            QVERIFY2(Fortunes[i].number == i,
                     qPrintable(QStringLiteral("row %1 carries number %2").arg(i).arg(Fortunes[i].number)));
            const QString text = QString::fromUtf8(Fortunes[i].text);
            QVERIFY2(!seen.contains(text), qPrintable(QStringLiteral("row %1 repeats \"%2\"").arg(i).arg(text)));
            seen.insert(text);
        }
    }

    void fixedRowsHoldTheirExactTextsInTheTableAndByLookup_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("first, drawn by r = 0")
            << 0 << QStringLiteral("Everywhere you choose to go, friendly faces will greet you.");
        QTest::newRow("row 10") << 10 << QStringLiteral("Fortune favors the brave.");
        QTest::newRow("last, drawn by the largest r")
            << 155 << QStringLiteral("Next time you have the opportunity, go on a rollercoaster.");
        QTest::newRow("156, past the end") << 156 << QString();
        QTest::newRow("-1, before the start") << -1 << QString();
    }

    void fixedRowsHoldTheirExactTextsInTheTableAndByLookup()
    {
        // Guards against an edited, re-spelt or misplaced fixed fortune; a number outside the table must give
        // nothing rather than a neighbour's text.
        QFETCH(int, row);
        QFETCH(QString, text);
        QCOMPARE(fortune::fortuneText(row), text);
        if (row >= 0 && row < FortuneCount)
            QCOMPARE(QString::fromUtf8(Fortunes[row].text), text);
    }

    void copiedFortuneIsTheRowsTextUnderAHeading()
    {
        // A pasted fortune must say what it is and be the one drawn; outside the table there is nothing to copy.
        QCOMPARE(fortune::fortuneReadingText(10),
                 QStringLiteral("My fortune cookie says:\nFortune favors the brave.\n"));
        QCOMPARE(fortune::fortuneReadingText(-1), QString());
        QCOMPARE(fortune::fortuneReadingText(FortuneCount), QString());
    }

    void everyFortuneIsOneLineOfFittingLength_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < FortuneCount; ++i)
            QTest::addRow("row %d", i) << i;
    }

    void everyFortuneIsOneLineOfFittingLength()
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
};

QTEST_GUILESS_MAIN(TestFortunes)
#include "tst_fortunes.moc"
