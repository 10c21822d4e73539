// From a random draw to a tile and its panel: pure lookups over the tile and association tables.
#include "tile_lookup.h"

#include "tile_associations.h"
#include "tiles.h"

#include <cmath>

namespace mahjong {

namespace {

QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QString::fromUtf8(text);
    return list;
}

} // namespace

qint16 tileNumberFor(double r)
{
    const double row = std::floor(r * TileCount) + 1;
    // A source that broke its promise of [0, 1), NaN included, must still give a real row.
    if (!(row >= 1))
        return 1;
    if (row > TileCount)
        return TileCount;
    return static_cast<qint16>(row);
}

std::optional<TileFields> tileRow(int number)
{
    if (number < 1 || number > TileCount)
        return std::nullopt;
    const TileRow &row = Tiles[std::size_t(number - 1)];
    return TileFields{QString::fromUtf8(row.name), QString::fromUtf8(row.englishName),
                      QString::fromUtf8(row.chineseName), QString::fromUtf8(row.description)};
}

QString tilePictureName(int number)
{
    if (number < 1 || number > TileCount)
        return QString();
    return QString::fromUtf8(Tiles[std::size_t(number - 1)].pictureName);
}

PanelValues panelFor(const QString &englishName)
{
    // QString's == is exact and case-sensitive, as the match must be.
    for (const WindRow &row : WindAttributes) {
        if (englishName == QString::fromUtf8(row.englishName))
            return {TilePanel::Wind, strings({row.season, row.color, row.element, row.constellation})};
    }
    for (const FlowerRow &row : FlowerAttributes) {
        if (englishName == QString::fromUtf8(row.englishName))
            return {TilePanel::Flower, strings({row.player, row.season})};
    }
    for (const SeasonRow &row : SeasonAttributes) {
        if (englishName == QString::fromUtf8(row.englishName))
            return {TilePanel::Season, strings({row.player, row.representation, row.flower, row.color, row.element})};
    }
    return {};
}

QStringList panelHeadings(TilePanel panel)
{
    switch (panel) {
    case TilePanel::Wind:
        return strings({"Season", "Color", "Element", "Constellation"});
    case TilePanel::Flower:
        return strings({"Player", "Season"});
    case TilePanel::Season:
        return strings({"Player", "Representation", "Flower", "Color", "Element"});
    case TilePanel::None:
        break;
    }
    return {};
}

QString tileReadingText(int number)
{
    const std::optional<TileFields> tile = tileRow(number);
    if (!tile)
        return QString();
    QStringList lines{QStringLiteral("My Mahjong tile: ") + tile->name,
                      QStringLiteral("English name: ") + tile->englishName,
                      QStringLiteral("Chinese name: ") + tile->chineseName, QString(), tile->description};
    const PanelValues panel = panelFor(tile->englishName);
    const QStringList headings = panelHeadings(panel.panel);
    if (!headings.isEmpty())
        lines << QString();
    for (qsizetype i = 0; i < headings.size(); ++i)
        lines << headings[i] + QStringLiteral(": ") + panel.values.value(i);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace mahjong
