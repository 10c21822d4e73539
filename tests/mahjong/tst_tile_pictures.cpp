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
    void theListIsReadOnFirstUseAndFindsNothingOutsideIt()
    {
        // Reading 42 pictures at program start would slow every start for a tool that may never be used; a number
        // or key off the list must give no picture rather than a neighbour's or a crash.
        TileImageList list;
        QVERIFY(!list.isLoaded());
        QCOMPARE(list.count(), TileCount);
        QVERIFY(list.isLoaded());
        for (const int number : {0, 43, -1}) {
            QVERIFY(list.picture(number).isNull());
            QVERIFY(list.key(number).isEmpty());
        }
        QVERIFY(list.picture(QStringLiteral("bamboo-carp.svg")).isNull());
        QVERIFY(list.picture(QStringLiteral("Bamboo-Carp.jpg")).isNull());
    }

    void eachRowHasAPictureOfItsOwnUnderItsKey()
    {
        // Picture n must be row n's tile, found by number and by key alike, or the reading shows another tile.
        // An SVG the renderer accepts but cannot draw, or one tile's art copied under two keys, goes unseen otherwise.
        TileImageList list;
        QSet<QByteArray> seen;
        for (int n = 1; n <= TileCount; ++n) {
            const QString key = QString::fromUtf8(Tiles[std::size_t(n - 1)].pictureName);
            const QByteArray where = QStringLiteral("row %1, %2").arg(n).arg(TileImageList::resourcePath(key)).toUtf8();
            QCOMPARE(list.key(n), key);
            const shell::Picture picture = list.picture(n);
            QVERIFY2(!picture.isNull(), where.constData());
            QCOMPARE(picture.source(), TileImageList::resourcePath(key));
            QCOMPARE(list.picture(key).source(), picture.source());
            // An upright tile face, not a stretched or empty one.
            QVERIFY2(picture.naturalSize().height() > picture.naturalSize().width(), where.constData());
            for (const QSize size : {QSize(90, 120), QSize(270, 360)})
                QVERIFY2(coveredShare(render(picture, size)) > 0.8, where.constData());
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
