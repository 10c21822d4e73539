// The drawn tile, program-wide, and the routine that draws it.
#pragma once

#include <QString>
#include <QtGlobal>

namespace mahjong {

// The row of the most recent draw, 1 to 42; also its picture's number in the image list.
extern qint16 TileNumber;
extern QString TileName;
extern QString TileEnglishName; // selects the association panel
extern QString TileChineseName;
extern QString TileDescription;

// Takes the next value of the program-wide random source (never reseeding it) and
// copies the row it falls on into the variables above.
void DrawTile();

} // namespace mahjong
