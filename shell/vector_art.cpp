// Vector art by its SVG name: the SVG itself where the program has Qt Svg, otherwise its build-time PNGs.
#include "vector_art.h"

#include <QPaintDevice>
#include <QPainter>

#ifndef TAVRENNE_PNG_ART
#include <QSvgRenderer>
#endif

namespace shell {

QString renderedArtPath(const QString &svgPath, int scale)
{
    QString stem = svgPath;
    if (stem.endsWith(QLatin1String(".svg")))
        stem.chop(4);
    return scale == 1 ? stem + QLatin1String(".png") : stem + QStringLiteral("@%1x.png").arg(scale);
}

namespace {

class RenderedArt final : public VectorArt
{
public:
    explicit RenderedArt(const QString &svgPath, QImage base)
        : m_path(svgPath)
    {
        m_scales[0] = std::move(base);
    }

    QSize defaultSize() const override { return m_scales[0].size(); }

    void render(QPainter &painter, const QRect &target) const override
    {
        painter.drawImage(target, image(scaleFor(painter, target)));
    }

private:
    // The smallest rendering that covers the target's device pixels, so nothing is blown up when it can be helped.
    int scaleFor(QPainter &painter, const QRect &target) const
    {
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        const qreal wanted = target.width() * ratio * painter.worldTransform().m11();
        for (int scale = 1; scale < int(m_scales.size()); ++scale) {
            if (wanted <= defaultSize().width() * scale)
                return scale;
        }
        return int(m_scales.size());
    }

    const QImage &image(int scale) const
    {
        QImage &slot = m_scales[std::size_t(scale - 1)];
        if (slot.isNull() && !m_missing[std::size_t(scale - 1)]) {
            slot.load(renderedArtPath(m_path, scale));
            m_missing[std::size_t(scale - 1)] = slot.isNull();
        }
        // A missing larger rendering falls back to the next smaller one.
        return slot.isNull() && scale > 1 ? image(scale - 1) : slot;
    }

    QString m_path;
    mutable std::array<QImage, 3> m_scales;
    mutable std::array<bool, 3> m_missing{};
};

#ifndef TAVRENNE_PNG_ART
class SvgArt final : public VectorArt
{
public:
    explicit SvgArt(const QString &path)
        : m_renderer(path)
    {
    }
    bool isValid() const { return m_renderer.isValid(); }
    QSize defaultSize() const override { return m_renderer.defaultSize(); }
    void render(QPainter &painter, const QRect &target) const override { m_renderer.render(&painter, target); }

private:
    mutable QSvgRenderer m_renderer;
};
#endif

} // namespace

std::unique_ptr<VectorArt> loadRenderedArt(const QString &svgPath)
{
    QImage base(renderedArtPath(svgPath, 1));
    if (base.isNull())
        return nullptr;
    return std::make_unique<RenderedArt>(svgPath, std::move(base));
}

std::unique_ptr<VectorArt> loadVectorArt(const QString &svgPath)
{
#ifdef TAVRENNE_PNG_ART
    return loadRenderedArt(svgPath);
#else
    auto art = std::make_unique<SvgArt>(svgPath);
    if (!art->isValid())
        return nullptr;
    return art;
#endif
}

} // namespace shell
