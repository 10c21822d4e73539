// Pictures: vector art read when first needed and shared by copies, bitmaps, icons drawn at the size asked for,
// and the build-time renderings that stand in for SVG where Qt Svg is missing.
#include "shell/picture.h"
#include "shell/vector_art.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using shell::Picture;

namespace {

bool write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

bool writePng(const QString &path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image.save(path, "PNG");
}

// A filled rectangle of art, in the form this build reads: SVG, or the PNGs a build without Qt Svg ships.
bool writeArt(const QString &svgPath, QSize size)
{
#ifdef TAVRENNE_PNG_ART
    for (int scale = 1; scale <= 3; ++scale)
        if (!writePng(shell::renderedArtPath(svgPath, scale), size * scale, QColor(0xc3, 0x34, 0x2a)))
            return false;
    return true;
#else
    return write(svgPath, QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2' "
                                         "viewBox='0 0 %1 %2'><rect x='0' y='0' width='%1' height='%2' "
                                         "fill='#c3342a'/></svg>")
                              .arg(size.width())
                              .arg(size.height())
                              .toUtf8());
#endif
}

// What `draw` leaves on a transparent canvas of that size, in device-independent pixels, at that scale.
QImage painted(QSize size, const std::function<void(QPainter &)> &draw, qreal ratio = 1.0)
{
    QImage canvas(size * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    draw(painter);
    painter.end();
    return canvas;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(writeArt(file(QStringLiteral("square.svg")), QSize(40, 20)));
        QVERIFY(write(file(QStringLiteral("broken.svg")), "<svg this is not"));
        QVERIFY(write(file(QStringLiteral("broken.png")), "not a PNG either"));
        QVERIFY(writePng(file(QStringLiteral("bitmap.png")), QSize(12, 7), Qt::blue));
        QVERIFY(QDir().mkpath(file(QStringLiteral("folder.gif"))));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(file(QStringLiteral("pipe.gif"))).constData(), 0600), 0);
#endif
    }

    void readsWhatItCanAndIsNullOtherwise_data()
    {
        QTest::addColumn<bool>("vector");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("null");
        QTest::addColumn<QSize>("natural");
        QTest::newRow("resource art") << true << QStringLiteral(":/shell/pictures/zodiac.svg") << false
                                      << QSize(64, 64);
        QTest::newRow("vector file") << true << file(QStringLiteral("square.svg")) << false << QSize(40, 20);
        QTest::newRow("missing vector") << true << file(QStringLiteral("none.svg")) << true << QSize(0, 0);
        QTest::newRow("invalid vector") << true << file(QStringLiteral("broken.svg")) << true << QSize(0, 0);
        QTest::newRow("bitmap file") << false << file(QStringLiteral("bitmap.png")) << false << QSize(12, 7);
        QTest::newRow("missing bitmap") << false << file(QStringLiteral("none.png")) << true << QSize(0, 0);
        QTest::newRow("invalid bitmap") << false << file(QStringLiteral("broken.png")) << true << QSize(0, 0);
        // Reading a pipe waits for a writer that never comes: the window froze at the first toss.
        QTest::newRow("folder as bitmap") << false << file(QStringLiteral("folder.gif")) << true << QSize(0, 0);
#ifdef Q_OS_UNIX
        QTest::newRow("pipe as bitmap") << false << file(QStringLiteral("pipe.gif")) << true << QSize(0, 0);
#endif
    }

    void readsWhatItCanAndIsNullOtherwise()
    {
        // A picture that can't be read must say so and draw nothing, never show stale or half-read art.
        QFETCH(bool, vector);
        QFETCH(QString, path);
        QFETCH(bool, null);
        QFETCH(QSize, natural);
        const Picture picture = vector ? Picture::fromSvg(path) : Picture::fromFile(path);
        QCOMPARE(picture.source(), path);
        QCOMPARE(picture.isNull(), null);
        QCOMPARE(picture.naturalSize().expandedTo(QSize(0, 0)), natural);
        const QImage canvas = painted(QSize(50, 50),
                                      [&](QPainter &painter) { picture.paint(painter, QRect(0, 0, 50, 50)); });
        QCOMPARE(opaquePixels(canvas) > 0, !null);
        QCOMPARE(picture.icon().isNull(), null);
    }

    void vectorArtIsReadWhenFirstUsedAndOnceForAllCopies()
    {
        // Windows name pictures they may never show: naming one must not read it, and copies handed
        // around (a tile list, a button) must share one reading rather than each parse the file again.
        const QString path = file(QStringLiteral("later.svg"));
        const Picture named = Picture::fromSvg(path);
        const Picture copy = named;
        QVERIFY(writeArt(path, QSize(40, 20)));
        QCOMPARE(named.naturalSize(), QSize(40, 20));
        QVERIFY(writeArt(path, QSize(10, 30)));
        QCOMPARE(copy.naturalSize(), QSize(40, 20));
        QCOMPARE(Picture::fromSvg(path).naturalSize(), QSize(10, 30));
    }

    void drawsKeepingItsShapeInTheMiddle()
    {
        // Art stretched to a box of another shape looks wrong; it keeps its aspect ratio, centred.
        const Picture picture = Picture::fromSvg(file(QStringLiteral("square.svg")));
        const QImage canvas = painted(QSize(40, 40),
                                      [&](QPainter &painter) { picture.paint(painter, QRect(0, 0, 40, 40)); });
        QCOMPARE(qAlpha(canvas.pixel(20, 5)), 0);
        QCOMPARE(qAlpha(canvas.pixel(20, 34)), 0);
        QVERIFY(qAlpha(canvas.pixel(20, 20)) > 0);
        QVERIFY(qAlpha(canvas.pixel(1, 12)) > 0);
    }

    void iconIsDrawnAtEverySizeAsked_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("16 px") << 16 << 1.0;
        QTest::newRow("48 px") << 48 << 1.0;
        QTest::newRow("128 px") << 128 << 1.0;
        QTest::newRow("32 px at 200%") << 32 << 2.0;
    }

    void iconIsDrawnAtEverySizeAsked()
    {
        // The window system asks for the program's icon at several sizes and scales: each must be drawn
        // for that size, not a small one blown up, and must show the art.
        QFETCH(int, size);
        QFETCH(qreal, ratio);
        const QIcon icon = Picture::fromSvg(QStringLiteral(":/shell/pictures/tavrenne.svg")).icon();
        QVERIFY(!icon.isNull());
        const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(size, size));
        const QImage image = pixmap.toImage();
        QCOMPARE(image.size(), QSize(qRound(size * ratio), qRound(size * ratio)));
        QVERIFY(opaquePixels(image) > image.width() * image.height() / 4);
        const int middle = image.width() / 2;
        QVERIFY(qAlpha(image.pixel(middle, middle)) > 0);
    }

    void renderedArtDrawsTheSmallestRenderingThatIsSharpEnough_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("boxWidth");
        QTest::addColumn<QStringList>("renderings");
        QTest::addColumn<QColor>("drawn");
        const QStringList all{"1", "2", "3"};
        QTest::newRow("natural size at 100%") << 1.0 << 10 << all << QColor(Qt::red);
        QTest::newRow("natural size at 200%") << 2.0 << 10 << all << QColor(Qt::green);
        QTest::newRow("natural size at 300%") << 3.0 << 10 << all << QColor(Qt::blue);
        QTest::newRow("double size at 100%") << 1.0 << 20 << all << QColor(Qt::green);
        QTest::newRow("larger than any, the largest") << 2.0 << 30 << all << QColor(Qt::blue);
        QTest::newRow("at 200% without @2x, the 1x") << 2.0 << 10 << QStringList{"1", "3"} << QColor(Qt::red);
    }

    void renderedArtDrawsTheSmallestRenderingThatIsSharpEnough()
    {
        // Too small a rendering blurs on a high-DPI screen; a missing one must fall back, not vanish.
        QCOMPARE(shell::renderedArtPath(QStringLiteral(":/mahjong/tiles/group.svg"), 1),
                 QStringLiteral(":/mahjong/tiles/group.png"));
        QCOMPARE(shell::renderedArtPath(QStringLiteral(":/mahjong/tiles/group.svg"), 3),
                 QStringLiteral(":/mahjong/tiles/group@3x.png"));
        QFETCH(qreal, ratio);
        QFETCH(int, boxWidth);
        QFETCH(QStringList, renderings);
        QFETCH(QColor, drawn);
        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("art.svg"));
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
        for (const QString &scale : renderings) {
            const int n = scale.toInt();
            QVERIFY(writePng(shell::renderedArtPath(svg, n), QSize(10, 5) * n, colours[n - 1]));
        }
        const auto art = shell::loadRenderedArt(svg);
        QVERIFY(art);
        QCOMPARE(art->defaultSize(), QSize(10, 5));
        const auto draw = [&](QPainter &painter) { art->render(painter, QRect(0, 0, boxWidth, boxWidth / 2)); };
        QCOMPARE(painted(QSize(boxWidth, boxWidth), draw, ratio).pixelColor(1, 1), drawn);
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
