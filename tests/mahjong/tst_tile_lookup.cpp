// Tests of the draw without a window: r to row, the rows and their fields, English name to panel, and DrawTile.
#include "mahjong/modMajongOracle.h"
#include "mahjong/tile_lookup.h"
#include "mahjong/tiles.h"
#include "support/fake_platform.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace mahjong;
using testsupport::largestBelowOne;

Q_DECLARE_METATYPE(mahjong::TilePanel)

class TestTileLookup : public QObject
{
    Q_OBJECT

private slots:
    void numberIsTheWholePartOfRTimes42PlusOne_data()
    {
        constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("number");
        QTest::newRow("r = 0") << 0.0 << 1;
        QTest::newRow("just below 1/42") << std::nextafter(1.0 / 42, 0.0) << 1;
        QTest::newRow("1/42") << 1.0 / 42 << 2;
        QTest::newRow("0.5") << 0.5 << 22;
        QTest::newRow("largest r below 1") << largestBelowOne() << 42;
        // A source that breaks its promise must still land on a real row.
        QTest::newRow("1 itself") << 1.0 << 42;
        QTest::newRow("below 0") << -0.25 << 1;
        QTest::newRow("NaN") << NaN << 1;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 42;
    }

    void numberIsTheWholePartOfRTimes42PlusOne()
    {
        // Rounding instead of dropping the fraction would halve the end rows' chances and reach row 43.
        QFETCH(double, r);
        QFETCH(int, number);
        QCOMPARE(int(tileNumberFor(r)), number);
    }

    void everyRowIsEquallyLikely()
    {
        // A scale of 41 or 43 would leave a row unreachable or overfull; equal slices of r give equal chances.
        std::array<int, TileCount> hits{};
        constexpr int Steps = 42 * 1000;
        for (int i = 0; i < Steps; ++i)
            ++hits[std::size_t(tileNumberFor((i + 0.5) / Steps) - 1)];
        for (int row = 1; row <= TileCount; ++row)
            QCOMPARE(hits[std::size_t(row - 1)], 1000);
    }

    void rowsCarryTheirNamesInTheTableAndByLookup_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name"); // empty: no row
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
        QTest::newRow("10, first character") << 10 << "3 Wan (Character)" << "Earth" << "Ti"
                                             << "character-earth.jpg" << "";
        QTest::newRow("18") << 18 << "7 Wan (Character)" << "The Seven Star" << "Tuo"
                            << "character-thesevenstar.jpg" << "";
        QTest::newRow("19, first circle") << 19 << "5 Circle" << "Dragon" << "Lung" << "circle-dragon.jpg" << "";
        QTest::newRow("25, short key") << 25 << "2 Circle" << "Pine" << "Sung" << "circle-pin.jpg" << "";
        QTest::newRow("28") << 28 << "Green Dragon" << "Green Dragon" << "Fa" << "dragon-greendragon.jpg" << "";
        QTest::newRow("29") << 29 << "Red Dragon" << "Red Dragon" << "Chung" << "dragon-reddragon.jpg" << "";
        QTest::newRow("30, fixed meaning") << 30 << "White Dragon" << "White Dragon" << "Pai"
                                           << "dragon-whitedragon.jpg" << mystery;
        QTest::newRow("31") << 31 << "Flowers Bamboo" << "Flowers Bamboo" << "Chu" << "flower-bamboo.jpg" << "";
        QTest::newRow("32, diaeresis") << 32 << "Flowers Chrysanthemum" << "Flowers Chrysanthemum"
                                       << QStringLiteral("Ch\u00fc") << "flower-chrys.jpg" << "";
        QTest::newRow("36") << 36 << "Seasons Spring" << "Seasons Spring" << "Yu" << "season-spring.jpg" << "";
        QTest::newRow("37") << 37 << "Seasons Summer" << "Seasons Summer" << "Ch'iao" << "season-summer.jpg" << "";
        QTest::newRow("39, first wind") << 39 << "Wind East" << "Wind East" << "Tung" << "wind-east.jpg" << "";
        QTest::newRow("42, drawn by the largest r") << 42 << "Wind West" << "Wind West" << "Hsi"
                                                    << "wind-west.jpg" << "";
        QTest::newRow("0, off the table") << 0 << "" << "" << "" << "" << "";
        QTest::newRow("43, off the table") << 43 << "" << "" << "" << "" << "";
        // clang-format on
    }

    void rowsCarryTheirNamesInTheTableAndByLookup()
    {
        // Guards against shifted rows, typing slips in a name, a Chinese name stored in the wrong encoding and an
        // edited or misplaced fixed meaning; a lookup counting from 0 hands every draw its neighbour's tile, and a
        // number off the table must give nothing.
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, englishName);
        QFETCH(QString, chineseName);
        QFETCH(QString, pictureName);
        QFETCH(QString, description);
        const std::optional<TileFields> fields = tileRow(number);
        QCOMPARE(fields.has_value(), !name.isEmpty());
        QCOMPARE(tilePictureName(number), pictureName);
        if (!fields)
            return;
        const TileRow &row = Tiles[std::size_t(number - 1)];
        QCOMPARE(QString::fromUtf8(row.name), name);
        QCOMPARE(QString::fromUtf8(row.englishName), englishName);
        QCOMPARE(QString::fromUtf8(row.chineseName), chineseName);
        QCOMPARE(QString::fromUtf8(row.pictureName), pictureName);
        if (!description.isEmpty())
            QCOMPARE(QString::fromUtf8(row.description), description);
        QCOMPARE(fields->name, name);
        QCOMPARE(fields->englishName, englishName);
        QCOMPARE(fields->chineseName, chineseName);
        QCOMPARE(fields->description, QString::fromUtf8(row.description));
    }

    void panelLookupMatchesExactlyAndKeepsTableOrder_data()
    {
        QTest::addColumn<QString>("englishName");
        QTest::addColumn<TilePanel>("panel");
        QTest::addColumn<QStringList>("values");
        const auto row = [](const char *name, TilePanel panel, const QStringList &values) {
            QTest::newRow(*name ? name : "empty") << QString::fromUtf8(name) << panel << values;
        };
        row("Wind East", TilePanel::Wind, {"Spring", "Green", "Wood", "Dragon (5 Circles)"});
        row("Wind South", TilePanel::Wind, {"Summer", "Red", "Fire", "Phoenix (3 Circles)"});
        row("Wind West", TilePanel::Wind, {"Autumn", "White", "Metal", "Tiger (8 Circles)"});
        row("Wind North", TilePanel::Wind, {"Winter", "Black", "Water", "Tortoise (7 Bamboo)"});
        row("Flowers Plum Blossom", TilePanel::Flower, {"East Wind", "Spring"});
        row("Flowers Orchid", TilePanel::Flower, {"South Wind", "Summer"});
        row("Flowers Chrysanthemum", TilePanel::Flower, {"West Wind", "Autumn"});
        row("Flowers Bamboo", TilePanel::Flower, {"North Wind", "Winter"});
        row("Seasons Spring", TilePanel::Season, {"East Wind", "Fisherman", "Plum Blossom", "Green", "Wood"});
        row("Seasons Summer", TilePanel::Season, {"South Wind", "Woodcutter", "Orchid", "Red", "Fire"});
        row("Seasons Autumn", TilePanel::Season, {"West Wind", "Farmer", "Chrysanthemum", "White", "Metal"});
        row("Seasons Winter", TilePanel::Season, {"North Wind", "Scholar", "Bamboo", "Black", "Water"});
        // Near misses that a loose match (case, spaces, prefixes) would wrongly accept.
        row("Green Dragon", TilePanel::None, {});
        row("Tiger", TilePanel::None, {});
        row("wind east", TilePanel::None, {});
        row("Wind East ", TilePanel::None, {});
        row(" Seasons Spring", TilePanel::None, {});
        row("Wind", TilePanel::None, {});
        row("Plum Blossom", TilePanel::None, {});
        row("", TilePanel::None, {});
    }

    void panelLookupMatchesExactlyAndKeepsTableOrder()
    {
        // A swapped column or row would tell a wind the wrong season; a loose match gives panels to tiles without one.
        QFETCH(QString, englishName);
        QFETCH(TilePanel, panel);
        QFETCH(QStringList, values);
        const PanelValues found = panelFor(englishName);
        QCOMPARE(found.panel, panel);
        QCOMPARE(found.values, values);
    }

    void copiedReadingHoldsTheTilesNamesMeaningAndOwnAssociations_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("associations");
        QTest::newRow("suit tile, none") << 1 << QStringList();
        QTest::newRow("flower") << 31 << QStringList{"Player: North Wind", "Season: Winter"};
        QTest::newRow("wind") << 39
                              << QStringList{"Season: Spring", "Color: Green", "Element: Wood",
                                             "Constellation: Dragon (5 Circles)"};
        QTest::newRow("season, last of its table") << 38
                                                   << QStringList{"Player: North Wind", "Representation: Scholar",
                                                                  "Flower: Bamboo", "Color: Black", "Element: Water"};
    }

    void copiedReadingHoldsTheTilesNamesMeaningAndOwnAssociations()
    {
        // A pasted reading must name the tile drawn and carry only the associations of its own kind.
        QFETCH(int, number);
        QFETCH(QStringList, associations);
        const TileFields tile = *tileRow(number);
        QStringList expected{QStringLiteral("My Mahjong tile: ") + tile.name,
                             QStringLiteral("English name: ") + tile.englishName,
                             QStringLiteral("Chinese name: ") + tile.chineseName, QString(), tile.description};
        if (!associations.isEmpty())
            expected << QString() << associations;
        QCOMPARE(tileReadingText(number), expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(tileReadingText(0), QString());
        QCOMPARE(tileReadingText(43), QString());
    }

    void drawTileTakesOneValueAndOverwritesTheLastTile()
    {
        // Reseeding would repeat readings with the clock; fields kept from the last draw would mix two tiles.
        testsupport::FakePlatform fakes;
        fakes.random.values = {largestBelowOne(), 0.0};
        DrawTile();
        QCOMPARE(int(TileNumber), 42);
        QCOMPARE(TileEnglishName, QStringLiteral("Wind West"));
        DrawTile();
        QCOMPARE(int(TileNumber), 1);
        QCOMPARE(TileName, QStringLiteral("4 Bamboo"));
        QCOMPARE(TileEnglishName, QStringLiteral("Carp"));
        QCOMPARE(TileChineseName, QStringLiteral("Li"));
        QCOMPARE(TileDescription, QString::fromUtf8(Tiles[0].description));
        QCOMPARE(fakes.random.draws, 2);
        QCOMPARE(fakes.random.reseeds, 0);
    }
};

QTEST_GUILESS_MAIN(TestTileLookup)
#include "tst_tile_lookup.moc"
