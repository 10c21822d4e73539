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
    void offsetStaysClearOfLineEndsAndPrintableText()
    {
        // A smaller offset could turn a scrambled byte into CR or LF; a larger one would drop letters.
        QVERIFY(ScrambleOffset >= 14);
        QVERIFY(ScrambleOffset <= 127);
    }

    void encodeRaisesEachCodeInOrder()
    {
        // Reversed or shifted-the-wrong-way text would not read back in older files.
        const QString encoded = EncodeText(QStringLiteral("Ann"));
        QCOMPARE(encoded.size(), 3);
        QCOMPARE(encoded.at(0).unicode(), char16_t('A' + ScrambleOffset));
        QCOMPARE(encoded.at(1).unicode(), char16_t('n' + ScrambleOffset));
        QCOMPARE(encoded.at(2).unicode(), char16_t('n' + ScrambleOffset));
        QCOMPARE(DecodeText(encoded), QStringLiteral("Ann"));
    }

    void emptyTextStaysEmpty()
    {
        QCOMPARE(EncodeText(QString()), QString());
        QCOMPARE(DecodeText(QString()), QString());
    }

    void unmappableCharactersAreDropped_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("encode");
        QTest::addColumn<QString>("expected");
        const QChar top(255 - ScrambleOffset);
        const QChar above(256 - ScrambleOffset);
        // clang-format off
        QTest::newRow("encode keeps 255-K") << (QStringLiteral("a") + top) << true
                                            << (QString(QChar('a' + ScrambleOffset)) + QChar(255));
        QTest::newRow("encode drops above 255-K") << (QStringLiteral("a") + above + QStringLiteral("b")) << true
                                                  << (QString(QChar('a' + ScrambleOffset)) + QChar('b' + ScrambleOffset));
        QTest::newRow("encode drops beyond Latin-1") << QStringLiteral("x\u4e2dy") << true
                                                     << (QString(QChar('x' + ScrambleOffset)) + QChar('y' + ScrambleOffset));
        QTest::newRow("decode drops below K") << (QString(QChar(ScrambleOffset - 1)) + QChar(ScrambleOffset + 'z'))
                                              << false << QStringLiteral("z");
        QTest::newRow("decode keeps K") << QString(QChar(ScrambleOffset)) << false << QString(QChar(0));
        // clang-format on
    }

    void unmappableCharactersAreDropped()
    {
        // An unmappable character must vanish quietly, never corrupt its neighbours.
        QFETCH(QString, input);
        QFETCH(bool, encode);
        QFETCH(QString, expected);
        QCOMPARE(encode ? EncodeText(input) : DecodeText(input), expected);
    }

    void everyCodeUpTo255MinusKRoundTrips()
    {
        // Each such character must come back exactly, or saved names change on reopening.
        QString all;
        for (int code = 0; code <= 255 - ScrambleOffset; ++code)
            all.append(QChar(code));
        const QString encoded = EncodeText(all);
        QCOMPARE(encoded.size(), all.size());
        QCOMPARE(DecodeText(encoded), all);
        for (const QChar c : encoded) {
            QVERIFY(c.unicode() != 10 && c.unicode() != 13);
        }
    }
};

QTEST_GUILESS_MAIN(TestTextScrambling)
#include "tst_text_scrambling.moc"
