// From a random draw to a tile and its panel: pure lookups over the tile and association tables.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace mahjong {

struct TileFields
{
    QString name;
    QString englishName;
    QString chineseName;
    QString description;
};

// The whole-number part of r x 42 + 1 for 0 <= r < 1; always a row from 1 to 42.
qint16 tileNumberFor(double r);

// Row `number` of the tile table, counted from 1; nothing for a number outside it.
std::optional<TileFields> tileRow(int number);

// The key of picture `number` in the image list; empty outside the table.
QString tilePictureName(int number);

enum class TilePanel { None, Wind, Flower, Season };

struct PanelValues
{
    TilePanel panel = TilePanel::None;
    QStringList values; // in the column order of its table
};

// The first association row whose key equals `englishName` exactly, case included:
// the winds, then the flowers, then the seasons.
PanelValues panelFor(const QString &englishName);

// What each of a panel's values is, in the order of its values.
QStringList panelHeadings(TilePanel panel);

// The reading of tile `number` as a note to paste elsewhere: its names, meaning and associations;
// empty outside the table.
QString tileReadingText(int number);

} // namespace mahjong
