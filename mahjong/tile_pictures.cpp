// The image list of the 42 tile pictures, in table order under their picture names.
#include "tile_pictures.h"

#include "tiles.h"

namespace mahjong {

QString TileImageList::resourcePath(const QString &key)
{
    // The keys keep the bitmap names of old; the art itself is vector.
    QString stem = key;
    const qsizetype dot = stem.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        stem.truncate(dot);
    return QStringLiteral(":/mahjong/tiles/%1.svg").arg(stem);
}

void TileImageList::load()
{
    if (isLoaded())
        return;
    m_images.reserve(Tiles.size());
    for (const TileRow &row : Tiles) {
        const QString key = QString::fromUtf8(row.pictureName);
        m_images.emplace_back(key, shell::Picture::fromSvg(resourcePath(key)));
    }
}

int TileImageList::count()
{
    load();
    return int(m_images.size());
}

shell::Picture TileImageList::picture(int index)
{
    load();
    if (index < 1 || index > int(m_images.size()))
        return shell::Picture();
    return m_images[std::size_t(index - 1)].second;
}

shell::Picture TileImageList::picture(const QString &key)
{
    load();
    for (const auto &[name, picture] : m_images) {
        if (name == key)
            return picture;
    }
    return shell::Picture();
}

QString TileImageList::key(int index)
{
    load();
    if (index < 1 || index > int(m_images.size()))
        return QString();
    return m_images[std::size_t(index - 1)].first;
}

} // namespace mahjong
