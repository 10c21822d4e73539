// Tests of the image list of tile pictures: order, keys, loading on first use, and art that really draws.
#include "mahjong/tile_pictures.h"
#include "mahjong/tiles.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

using mahjong::TileCount;
using mahjong::TileImageList;
using mahjong::Tiles;

namespace {

QImage render(const shell::Picture &picture, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.paint(painter, image.rect());
    return image;
}

double coveredShare(const QImage &image)
{
    qint64 covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 200)
                ++covered;
        }
    }
    return double(covered) / (qint64(image.width()) * image.height());
}

} // namespace

class TestTilePictures : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreReadOnlyWhenFirstWanted()
    {
        // Reading 42 pictures at program start would slow every start for a tool that may never be used.
        TileImageList list;
        QVERIFY(!list.isLoaded());
        QCOMPARE(list.count(), TileCount);
        QVERIFY(list.isLoaded());
    }

    void eachRowHasItsPictureUnderItsKey_data()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= TileCount; ++n)
            QTest::addRow("%d %s", n, Tiles[std::size_t(n - 1)].pictureName) << n;
    }

    void eachRowHasItsPictureUnderItsKey()
    {
        // Picture n must be row n's tile, found by number and by key alike, or the reading shows another tile.
        QFETCH(int, number);
        TileImageList list;
        const QString key = QString::fromUtf8(Tiles[std::size_t(number - 1)].pictureName);
        QCOMPARE(list.key(number), key);
        const shell::Picture byNumber = list.picture(number);
        QVERIFY2(!byNumber.isNull(), qPrintable(TileImageList::resourcePath(key)));
        QCOMPARE(byNumber.source(), TileImageList::resourcePath(key));
        QCOMPARE(list.picture(key).source(), byNumber.source());
        // An upright tile face, not a stretched or empty one.
        const QSize natural = byNumber.naturalSize();
        QVERIFY(natural.height() > natural.width());
    }

    void nothingIsFoundOutsideTheList()
    {
        // A number or key off the list must give no picture rather than a neighbour's or a crash.
        TileImageList list;
        for (const int number : {0, 43, -1}) {
            QVERIFY(list.picture(number).isNull());
            QVERIFY(list.key(number).isEmpty());
        }
        QVERIFY(list.picture(QStringLiteral("bamboo-carp.svg")).isNull());
        QVERIFY(list.picture(QStringLiteral("Bamboo-Carp.jpg")).isNull());
    }

    void everyPictureDrawsAFaceOfItsOwnAtAnySize()
    {
        // An SVG the renderer accepts but cannot draw, or one tile's art copied under two keys, goes unseen otherwise.
        TileImageList list;
        QSet<QByteArray> seen;
        for (int n = 1; n <= TileCount; ++n) {
            const shell::Picture picture = list.picture(n);
            const QByteArray where = list.key(n).toUtf8();
            for (const QSize size : {QSize(90, 120), QSize(270, 360)}) {
                const QImage image = render(picture, size);
                QVERIFY2(coveredShare(image) > 0.8, where.constData());
            }
            const QImage small = render(picture, QSize(90, 120));
            const QByteArray digest = QCryptographicHash::hash(QByteArrayView(small.constBits(), small.sizeInBytes()),
                                                               QCryptographicHash::Sha1);
            QVERIFY2(!seen.contains(digest), where.constData());
            seen.insert(digest);
        }
    }

    void theGroupOfTilesDraws()
    {
        // The draw form's only way in is this picture; without it there is nothing to click.
        const shell::Picture group = shell::Picture::fromSvg(QStringLiteral(":/mahjong/tiles/group.svg"));
        QVERIFY(!group.isNull());
        QVERIFY(group.naturalSize().width() > group.naturalSize().height());
        QVERIFY(coveredShare(render(group, QSize(300, 200))) > 0.4);
    }
};

QTEST_MAIN(TestTilePictures)
#include "tst_tile_pictures.moc"
