// Tests of the tile table as a whole: its size, every meaning and the picture keys.
#include "mahjong/tile_lookup.h"
#include "mahjong/tiles.h"

#include <QSet>
#include <QTest>

using mahjong::TileCount;
using mahjong::TilePanel;
using mahjong::TileRow;
using mahjong::Tiles;

Q_DECLARE_METATYPE(mahjong::TilePanel)

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

    void everyRowHasAFittingMeaningAndThePanelOfItsGroup_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<TilePanel>("panel");
        for (int n = 1; n <= TileCount; ++n) {
            QTest::addRow("row %d", n) << n
                                       << (n >= 39   ? TilePanel::Wind
                                           : n >= 35 ? TilePanel::Season
                                           : n >= 31 ? TilePanel::Flower
                                                     : TilePanel::None);
        }
    }

    void everyRowHasAFittingMeaningAndThePanelOfItsGroup()
    {
        // A missing, clipped, overlong or broken-up meaning shows badly under "About Your Mahjong"; a dragon,
        // flower, season or wind whose English name drifts from its name, or from its panel's key, loses its panel.
        QFETCH(int, number);
        QFETCH(TilePanel, panel);
        QVERIFY(row(number).description != nullptr);
        const QString text = QString::fromUtf8(row(number).description);
        QVERIFY2(text.size() >= 43 && text.size() <= 157, qPrintable(QStringLiteral("%1 characters").arg(text.size())));
        QVERIFY(!text.contains(QLatin1Char('\n')));
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QCOMPARE(text.trimmed(), text);
        const bool suitTile = number <= 27;
        const bool sameAsName = QString::fromUtf8(row(number).englishName) == QString::fromUtf8(row(number).name);
        QCOMPARE(sameAsName, !suitTile);
        QCOMPARE(mahjong::panelFor(mahjong::tileRow(number)->englishName).panel, panel);
    }
};

QTEST_GUILESS_MAIN(TestTiles)
#include "tst_tiles.moc"
