// Checks the full reading of a cast: which hexagrams it names, which line texts it gives, and in what order.
#include "iching/hexagram_lines.h"
#include "iching/reading.h"

#include <QTextDocument>
#include <QtTest>

using namespace iching;

namespace {

Reading readingOf(const Marks &marks)
{
    return Reading{QStringLiteral("Ann"), QStringLiteral("Shall I move?"), QDateTime(QDate(2026, 3, 15), QTime(10, 30)),
                   marks};
}

// Each of `parts` found in `text`, each after the one before.
void verifyInOrder(const QString &text, const QStringList &parts)
{
    qsizetype at = 0;
    for (const QString &part : parts) {
        const qsizetype found = text.indexOf(part, at);
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: ") + part));
        at = found + part.size();
    }
}

QString lineText(int number, int line)
{
    return QString::fromUtf8(hexagramLines(number).lines[line - 1]);
}

} // namespace

class TestReading : public QObject
{
    Q_OBJECT

private slots:
    void changedHexagramTurnsEveryMovingLine_data()
    {
        QTest::addColumn<Marks>("marks");
        QTest::addColumn<int>("cast");
        QTest::addColumn<int>("changed"); // 0: none
        QTest::newRow("no line moves") << Marks{7, 7, 7, 7, 7, 7} << 1 << 0;
        QTest::newRow("six old yang") << Marks{9, 9, 9, 9, 9, 9} << 1 << 2;
        QTest::newRow("six old yin") << Marks{6, 6, 6, 6, 6, 6} << 2 << 1;
        QTest::newRow("line 3 alone") << Marks{7, 8, 6, 7, 8, 7} << 21 << 30;
        QTest::newRow("every line, both kinds") << Marks{9, 6, 9, 6, 9, 6} << 63 << 64;
        QTest::newRow("five lines cast") << Marks{9, 9, 9, 9, 9, 0} << 0 << 0;
    }

    void changedHexagramTurnsEveryMovingLine()
    {
        QFETCH(Marks, marks);
        QFETCH(int, cast);
        QFETCH(int, changed);
        const HexagramRecord *castRecord = castHexagram(marks);
        const HexagramRecord *changedRecord = changedHexagram(marks);
        QCOMPARE(castRecord ? castRecord->number : 0, cast);
        QCOMPARE(changedRecord ? changedRecord->number : 0, changed);
    }

    void everyLineOfEveryHexagramGetsItsOwnHeadingAndText()
    {
        // The heading's nine or six is the moving line's kind in the cast figure, read from its key, and the
        // text is that line's, not its neighbour's nor that of the hexagram it changes into.
        for (const HexagramRecord &record : Hexagrams) {
            const QString key = QString::fromLatin1(record.key);
            // Key order: lines 3, 2, 1, then 6, 5, 4.
            const int keyIndex[] = {2, 1, 0, 5, 4, 3};
            for (int line = 1; line <= 6; ++line) {
                Marks marks;
                for (int i = 0; i < 6; ++i) {
                    const bool yang = key[keyIndex[i]] == QLatin1Char('1');
                    marks[i] = i == line - 1 ? (yang ? 9 : 6) : (yang ? 7 : 8);
                }
                const bool yang = key[keyIndex[line - 1]] == QLatin1Char('1');
                const QString heading = (yang ? QStringLiteral("Nine") : QStringLiteral("Six"))
                                        + (line == 1   ? QStringLiteral(" at the beginning")
                                           : line == 6 ? QStringLiteral(" at the top")
                                                       : QStringLiteral(" in the "));
                const QString text = readingText(readingOf(marks));
                const QString where = QStringLiteral("%1 line %2").arg(record.number).arg(line);
                QVERIFY2(text.contains(QStringLiteral("\n") + heading), qPrintable(where));
                QVERIFY2(text.contains(lineText(record.number, line)), qPrintable(where));
                QCOMPARE(castHexagram(marks), &record);
                QVERIFY2(changedHexagram(marks) && changedHexagram(marks) != &record, qPrintable(where));
            }
        }
    }

    void readingRunsFromQuestionToTheChangedHexagram()
    {
        // The user reads the cast, then its moving lines bottom to top, then where they lead.
        const QString text = readingText(readingOf({7, 6, 6, 7, 9, 7}));
        const HexagramRecord *cast = castHexagram({7, 6, 6, 7, 9, 7});
        const HexagramRecord *changed = changedHexagram({7, 6, 6, 7, 9, 7});
        QVERIFY(cast && changed);
        const QString castName = QString(hexagramSymbol(cast->number)) + QLatin1Char(' ')
                                 + QString::fromUtf8(cast->caption) + QStringLiteral(" \u2014 ")
                                 + QString::fromUtf8(hexagramLines(cast->number).chinese) + QLatin1Char(' ')
                                 + QString::fromUtf8(hexagramLines(cast->number).pinyin);
        verifyInOrder(text, {QStringLiteral("Your I Ching Reading\n"), QStringLiteral("Name: Ann\n"),
                             QStringLiteral("Question: Shall I move?\n"), QStringLiteral("Cast: "),
                             QStringLiteral("The hexagram cast: ") + castName + QLatin1Char('\n'),
                             QStringLiteral("The Judgement\n") + QString::fromUtf8(cast->judgement[0]),
                             QStringLiteral("The Image\n") + QString::fromUtf8(cast->image[0]),
                             QStringLiteral("Six in the second place\n") + lineText(cast->number, 2),
                             QStringLiteral("Six in the third place\n") + lineText(cast->number, 3),
                             QStringLiteral("Nine in the fifth place\n") + lineText(cast->number, 5),
                             QStringLiteral("It changes into: ") + QString(hexagramSymbol(changed->number)),
                             QString::fromUtf8(changed->caption), QString::fromUtf8(changed->judgement[0]),
                             QString::fromUtf8(changed->image[0])});
        QVERIFY(!text.contains(QStringLiteral("at the beginning")));
        QVERIFY(!text.contains(QStringLiteral("No changing lines")));
        QVERIFY(readingText(readingOf({7, 6, 6, 7, 9, 7}), QLocale::c())
                    .contains(QStringLiteral("Cast: Sunday, 15 March 2026, 10:30")));
    }

    void allLinesTextComesOnlyWhenEveryLineOfOneOrTwoMoves_data()
    {
        QTest::addColumn<Marks>("marks");
        QTest::addColumn<QString>("heading"); // empty: none
        QTest::newRow("six nines") << Marks{9, 9, 9, 9, 9, 9} << "All nines";
        QTest::newRow("six sixes") << Marks{6, 6, 6, 6, 6, 6} << "All sixes";
        QTest::newRow("five nines of 1") << Marks{9, 9, 9, 9, 9, 7} << "";
        QTest::newRow("every line of 63") << Marks{9, 6, 9, 6, 9, 6} << "";
    }

    void allLinesTextComesOnlyWhenEveryLineOfOneOrTwoMoves()
    {
        QFETCH(Marks, marks);
        QFETCH(QString, heading);
        const QString text = readingText(readingOf(marks));
        const int number = castHexagram(marks)->number;
        QStringList order;
        for (int line = 1; line <= 6; ++line) {
            if (isChanging(marks[line - 1]))
                order << lineHeading(line, marks[line - 1] == 9) + QLatin1Char('\n') + lineText(number, line);
        }
        if (!heading.isEmpty())
            order << heading + QLatin1Char('\n') + QString::fromUtf8(allLinesChangeText(number));
        order << QStringLiteral("It changes into: ");
        verifyInOrder(text, order);
        QCOMPARE(text.contains(QStringLiteral("All nines")) || text.contains(QStringLiteral("All sixes")),
                 !heading.isEmpty());
    }

    void aCastWithoutMovingLinesSaysSoInsteadOfASecondHexagram()
    {
        const QString text = readingText(readingOf({8, 8, 8, 8, 8, 8}));
        QVERIFY(text.contains(QStringLiteral("2 K'un The Receptive")));
        QVERIFY(text.contains(QStringLiteral("No changing lines")));
        QVERIFY(!text.contains(QStringLiteral("It changes into")));
        QVERIFY(!text.contains(QStringLiteral(" place\n")));
    }

    void namesAndQuestionsAreShownAsTypedNeverAsMarkup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("question");
        QTest::newRow("tags") << "<b>Ann</b>"
                              << "<img src=\"file:///etc/passwd\"><script>x()</script>";
        QTest::newRow("entities and quotes") << "Tom &amp; \"Jerry\""
                                             << "Is 3 < 4 && 5 > 2?";
        QTest::newRow("line breaks") << "Ann"
                                     << "First line\r\nsecond line\nthird";
    }

    void namesAndQuestionsAreShownAsTypedNeverAsMarkup()
    {
        // The name and question are the user's own: markup in them must come out as the characters typed.
        QFETCH(QString, name);
        QFETCH(QString, question);
        Reading reading = readingOf({7, 8, 6, 7, 8, 7});
        reading.name = name;
        reading.question = question;
        QTextDocument document;
        document.setHtml(readingHtml(reading));
        const QString shown = document.toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("Name: ") + name), qPrintable(shown.left(200)));
        QString lines = question;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QVERIFY2(shown.contains(QStringLiteral("Question: ") + lines), qPrintable(shown.left(300)));
        QVERIFY(!readingHtml(reading).contains(QStringLiteral("<script")));
        QVERIFY(!readingHtml(reading).contains(QStringLiteral("<img")));
        QVERIFY(readingText(reading).contains(QStringLiteral("Name: ") + name + QLatin1Char('\n')));
    }

    void richAndPlainReadingsSayTheSame()
    {
        // What is copied must be what the window shows.
        const Reading reading = readingOf({9, 9, 9, 9, 9, 9});
        QTextDocument document;
        document.setHtml(readingHtml(reading));
        const auto words = [](QString text) {
            return text.replace(QChar::LineSeparator, QLatin1Char(' ')).simplified();
        };
        QCOMPARE(words(document.toPlainText()), words(readingText(reading)));
    }
};

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
