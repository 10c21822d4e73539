// Vector art by its SVG name: the SVG itself where the program has Qt Svg, otherwise the PNGs
// rendered from it when the program was built (1x, @2x, @3x beside each other).
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <memory>

class QPainter;
class QRect;

namespace shell {

class VectorArt
{
public:
    virtual ~VectorArt() = default;
    virtual QSize defaultSize() const = 0;
    virtual void render(QPainter &painter, const QRect &target) const = 0;
};

// Null when the picture is missing or can't be read.
std::unique_ptr<VectorArt> loadVectorArt(const QString &svgPath);

// The build-time rendering of "name.svg": "name.png" at scale 1, "name@2x.png" at 2, "name@3x.png" at 3.
QString renderedArtPath(const QString &svgPath, int scale);
std::unique_ptr<VectorArt> loadRenderedArt(const QString &svgPath);

} // namespace shell
