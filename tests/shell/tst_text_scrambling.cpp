// The scrambling of settings and result files: offsets, dropped characters, round trips.
#include "shell/text_scrambling.h"

#include <QTest>

using shell::DecodeText;
using shell::EncodeText;
using shell::ScrambleOffset;

class TestTextScrambling : public QObject
{
    Q_OBJECT

private slots:
    void encodesAndDecodesCodeByCode_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("encode");
        QTest::addColumn<QString>("expected");
        const QChar top(255 - ScrambleOffset);
        const QChar above(256 - ScrambleOffset);
        const auto raised = [](QString text) {
            for (QChar &c : text)
                c = QChar(c.unicode() + ScrambleOffset);
            return text;
        };
        // Reversed or shifted-the-wrong-way text would not read back in older files.
        const QString ann = QStringLiteral("Ann");
        QTest::newRow("encode raises each code in order") << ann << true << raised(ann);
        QTest::newRow("decode lowers each code in order") << raised(ann) << false << ann;
        QTest::newRow("encode keeps empty text empty") << QString() << true << QString();
        QTest::newRow("decode keeps empty text empty") << QString() << false << QString();
        // An unmappable character must vanish quietly, never corrupt its neighbours.
        QTest::newRow("encode keeps 255-K") << (QStringLiteral("a") + top) << true << raised(QStringLiteral("a") + top);
        QTest::newRow("encode drops above 255-K")
            << (QStringLiteral("a") + above + QStringLiteral("b")) << true << raised(QStringLiteral("ab"));
        QTest::newRow("encode drops beyond Latin-1")
            << QStringLiteral("x\u4e2dy") << true << raised(QStringLiteral("xy"));
        QTest::newRow("decode drops below K")
            << (QString(QChar(ScrambleOffset - 1)) + QChar(ScrambleOffset + 'z')) << false << QStringLiteral("z");
        QTest::newRow("decode keeps K") << QString(QChar(ScrambleOffset)) << false << QString(QChar(0));
    }

    void encodesAndDecodesCodeByCode()
    {
        QFETCH(QString, input);
        QFETCH(bool, encode);
        QFETCH(QString, expected);
        QCOMPARE(encode ? EncodeText(input) : DecodeText(input), expected);
    }

    void everyCodeUpTo255MinusKRoundTripsClearOfLineEnds()
    {
        // A smaller offset could turn a scrambled byte into CR or LF; a larger one would drop letters.
        QVERIFY(ScrambleOffset >= 14);
        QVERIFY(ScrambleOffset <= 127);
        // Each such character must come back exactly, or saved names change on reopening.
        QString all;
        for (int code = 0; code <= 255 - ScrambleOffset; ++code)
            all.append(QChar(code));
        const QString encoded = EncodeText(all);
        QCOMPARE(encoded.size(), all.size());
        QCOMPARE(DecodeText(encoded), all);
        for (const QChar c : encoded)
            QVERIFY(c.unicode() != 10 && c.unicode() != 13);
    }
};

QTEST_GUILESS_MAIN(TestTextScrambling)
#include "tst_text_scrambling.moc"
