// Pictures drawn crisp at any scale: SVG art from resources, or bitmaps from files.
#include "picture.h"

#include "regular_files.h"
#include "vector_art.h"

#include <QIconEngine>
#include <QPainter>

namespace shell {

Picture Picture::fromSvg(const QString &path)
{
    Picture p;
    p.m_source = path;
    p.m_vector = std::make_shared<Vector>();
    p.m_vector->path = path;
    return p;
}

VectorArt *Picture::art() const
{
    if (!m_vector)
        return nullptr;
    if (!m_vector->read) {
        m_vector->read = true;
        m_vector->art = loadVectorArt(m_vector->path);
    }
    return m_vector->art.get();
}

Picture Picture::fromFile(const QString &path)
{
    Picture p;
    p.m_source = path;
    // Far beyond any picture the program ships; a pipe or device in its place is never opened.
    constexpr qint64 PictureFileLimit = 16 * 1024 * 1024;
    if (const auto bytes = readRegularFile(path, PictureFileLimit))
        p.m_pixmap.loadFromData(*bytes);
    return p;
}

QSize Picture::sizeHint() const
{
    const QSize natural = naturalSize();
    return natural.isValid() && !natural.isEmpty() ? natural : QSize(32, 32);
}

bool Picture::isNull() const
{
    return !art() && m_pixmap.isNull();
}

QSize Picture::naturalSize() const
{
    if (const VectorArt *vector = art())
        return vector->defaultSize();
    return m_pixmap.size();
}

void Picture::paint(QPainter &painter, const QRect &bounds) const
{
    if (isNull() || bounds.isEmpty())
        return;
    QSize size = naturalSize();
    size.scale(bounds.size(), Qt::KeepAspectRatio);
    const QRect target(bounds.x() + (bounds.width() - size.width()) / 2,
                       bounds.y() + (bounds.height() - size.height()) / 2, size.width(), size.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (const VectorArt *vector = art())
        vector->render(painter, target);
    else
        painter.drawPixmap(target, m_pixmap);
    painter.restore();
}

namespace {

// Draws the picture itself at each size asked for, so an icon stays crisp at any scale and needs no
// icon plugin to be loaded.
class PictureIconEngine final : public QIconEngine
{
public:
    explicit PictureIconEngine(const Picture &picture)
        : m_picture(picture)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        m_picture.paint(*painter, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new PictureIconEngine(m_picture); }
    QString key() const override { return QStringLiteral("tavrenne-picture"); }
    bool isNull() override { return m_picture.isNull(); }

private:
    Picture m_picture;
};

} // namespace

QIcon Picture::icon() const
{
    if (isNull())
        return QIcon();
    return QIcon(new PictureIconEngine(*this));
}

} // namespace shell
