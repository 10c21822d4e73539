// Renders SVG art for a build that can't draw SVG at run time.
//   render_art png ART.svg OUT.png   writes OUT.png, OUT@2x.png and OUT@3x.png
//   render_art ico ART.svg OUT.ico   writes a Windows icon with the usual sizes, each a PNG
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

QImage render(QSvgRenderer &svg, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool writePngs(QSvgRenderer &svg, const QString &out)
{
    QString stem = out;
    stem.chop(4);
    const QSize base = svg.defaultSize();
    for (int scale = 1; scale <= 3; ++scale) {
        const QString name = scale == 1 ? out : stem + QStringLiteral("@%1x.png").arg(scale);
        if (!render(svg, base * scale).save(name, "PNG"))
            return false;
    }
    return true;
}

void put16(QByteArray &bytes, quint16 value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&value), 2);
}

void put32(QByteArray &bytes, quint32 value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&value), 4);
}

// An icon file is a directory of images; since Windows Vista each may be a whole PNG.
bool writeIcon(QSvgRenderer &svg, const QString &out)
{
    const int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    QList<QByteArray> pngs;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!render(svg, QSize(size, size)).save(&buffer, "PNG"))
            return false;
        pngs.append(png);
    }
    QByteArray bytes;
    put16(bytes, 0);
    put16(bytes, 1);
    put16(bytes, quint16(pngs.size()));
    quint32 offset = 6 + 16 * quint32(pngs.size());
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const int size = sizes[i];
        bytes.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        bytes.append(char(size >= 256 ? 0 : size));
        bytes.append(char(0));
        bytes.append(char(0));
        put16(bytes, 1);
        put16(bytes, 32);
        put32(bytes, quint32(pngs[i].size()));
        put32(bytes, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        bytes.append(png);
    QFile file(out);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    // Rendering needs fonts and image writers, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || (args[1] != QLatin1String("png") && args[1] != QLatin1String("ico"))) {
        std::fprintf(stderr, "usage: render_art png|ico ART.svg OUT\n");
        return 2;
    }
    QSvgRenderer svg(args[2]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_art: cannot read %s\n", qPrintable(args[2]));
        return 1;
    }
    const bool written = args[1] == QLatin1String("png") ? writePngs(svg, args[3]) : writeIcon(svg, args[3]);
    if (!written) {
        std::fprintf(stderr, "render_art: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
