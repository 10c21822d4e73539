// Tests of the tile table: names of the rows, the fixed meanings and the picture keys.
#include "mahjong/tiles.h"

#include <QSet>
#include <QTest>

using mahjong::TileCount;
using mahjong::TileRow;
using mahjong::Tiles;

namespace {

// The oracle counts rows from 1.
const TileRow &row(int number)
{
    return Tiles[std::size_t(number - 1)];
}

} // namespace

class TestTiles : public QObject
{
    Q_OBJECT

private slots:
    void tableHoldsFortyTwoRowsWithDistinctJpegsInAlphabeticalOrder()
    {
        // A dropped or doubled row leaves a drawn number without its tile; a picture key that is doubled, misnamed
        // or out of step with its row shows another tile from the image list.
        QCOMPARE(TileCount, 42);
        QCOMPARE(Tiles.size(), std::size_t(42));
        QSet<QString> seen;
        QString previous;
        for (int n = 1; n <= TileCount; ++n) {
            const QString key = QString::fromUtf8(row(n).pictureName);
            const QByteArray where = QStringLiteral("row %1, \"%2\"").arg(n).arg(key).toUtf8();
            QVERIFY2(key.endsWith(QLatin1String(".jpg")), where.constData());
            QVERIFY2(!seen.contains(key), where.constData());
            QVERIFY2(previous < key, where.constData());
            seen.insert(key);
            previous = key;
        }
    }

    void sampleRowsCarryTheirNamesAndMeanings_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("englishName");
        QTest::addColumn<QString>("chineseName");
        QTest::addColumn<QString>("pictureName");
        QTest::addColumn<QString>("description"); // empty: not one of the fixed meanings
        const QString water = QStringLiteral("This tile indicates communication of some form and short travels.");
        const QString mystery = QStringLiteral("This represents the mystery of the unknown.");
        // clang-format off
        QTest::newRow("1, drawn by r = 0") << 1 << "4 Bamboo" << "Carp" << "Li" << "bamboo-carp.jpg" << "";
        QTest::newRow("5, apostrophe") << 5 << "1 Bamboo" << "Peacock" << "K'ung" << "bamboo-peacock.jpg" << "";
        QTest::newRow("8, fixed meaning") << 8 << "6 Bamboo" << "Water" << "Shui" << "bamboo-water.jpg" << water;
        QTest::newRow("10, first character") << 10 << "3 Wan (Character)" << "Earth" << "Ti" << "character-earth.jpg" << "";
        QTest::newRow("18") << 18 << "7 Wan (Character)" << "The Seven Star" << "Tuo" << "character-thesevenstar.jpg" << "";
        QTest::newRow("19, first circle") << 19 << "5 Circle" << "Dragon" << "Lung" << "circle-dragon.jpg" << "";
        QTest::newRow("25, short key") << 25 << "2 Circle" << "Pine" << "Sung" << "circle-pin.jpg" << "";
        QTest::newRow("28") << 28 << "Green Dragon" << "Green Dragon" << "Fa" << "dragon-greendragon.jpg" << "";
        QTest::newRow("29") << 29 << "Red Dragon" << "Red Dragon" << "Chung" << "dragon-reddragon.jpg" << "";
        QTest::newRow("30, fixed meaning") << 30 << "White Dragon" << "White Dragon" << "Pai" << "dragon-whitedragon.jpg" << mystery;
        QTest::newRow("31") << 31 << "Flowers Bamboo" << "Flowers Bamboo" << "Chu" << "flower-bamboo.jpg" << "";
        QTest::newRow("32, diaeresis") << 32 << "Flowers Chrysanthemum" << "Flowers Chrysanthemum"
                                       << QStringLiteral("Ch\u00fc") << "flower-chrys.jpg" << "";
        QTest::newRow("36") << 36 << "Seasons Spring" << "Seasons Spring" << "Yu" << "season-spring.jpg" << "";
        QTest::newRow("37") << 37 << "Seasons Summer" << "Seasons Summer" << "Ch'iao" << "season-summer.jpg" << "";
        QTest::newRow("39, first wind") << 39 << "Wind East" << "Wind East" << "Tung" << "wind-east.jpg" << "";
        QTest::newRow("42, drawn by the largest r") << 42 << "Wind West" << "Wind West" << "Hsi" << "wind-west.jpg" << "";
        // clang-format on
    }

    void sampleRowsCarryTheirNamesAndMeanings()
    {
        // Guards against shifted rows, typing slips in a name, a Chinese name stored in the wrong encoding and an
        // edited or misplaced fixed meaning.
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, englishName);
        QFETCH(QString, chineseName);
        QFETCH(QString, pictureName);
        QFETCH(QString, description);
        QCOMPARE(QString::fromUtf8(row(number).name), name);
        QCOMPARE(QString::fromUtf8(row(number).englishName), englishName);
        QCOMPARE(QString::fromUtf8(row(number).chineseName), chineseName);
        QCOMPARE(QString::fromUtf8(row(number).pictureName), pictureName);
        if (!description.isEmpty())
            QCOMPARE(QString::fromUtf8(row(number).description), description);
    }

    void everyRowHasAFittingMeaningAndASymbolOnlyIfASuitTile_data()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= TileCount; ++n)
            QTest::addRow("row %d", n) << n;
    }

    void everyRowHasAFittingMeaningAndASymbolOnlyIfASuitTile()
    {
        // A missing, clipped, overlong or broken-up meaning shows badly under "About Your Mahjong"; a dragon,
        // flower, season or wind whose English name drifts from its name loses its panel.
        QFETCH(int, number);
        QVERIFY(row(number).description != nullptr);
        const QString text = QString::fromUtf8(row(number).description);
        QVERIFY2(text.size() >= 43 && text.size() <= 157, qPrintable(QStringLiteral("%1 characters").arg(text.size())));
        QVERIFY(!text.contains(QLatin1Char('\n')));
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QCOMPARE(text.trimmed(), text);
        const bool suitTile = number <= 27;
        const bool sameAsName = QString::fromUtf8(row(number).englishName) == QString::fromUtf8(row(number).name);
        QCOMPARE(sameAsName, !suitTile);
    }
};

QTEST_GUILESS_MAIN(TestTiles)
#include "tst_tiles.moc"
