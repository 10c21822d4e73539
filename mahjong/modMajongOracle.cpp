// The drawn tile, program-wide, and the routine that draws it.
#include "modMajongOracle.h"

#include "tile_lookup.h"

#include "shell/platform.h"

namespace mahjong {

qint16 TileNumber = 0; // no draw yet
QString TileName;
QString TileEnglishName;
QString TileChineseName;
QString TileDescription;

void DrawTile()
{
    // The table is constant data, so there is nothing to refill before a draw.
    TileNumber = tileNumberFor(shell::platform().random->next());
    const TileFields fields = tileRow(TileNumber).value_or(TileFields{});
    TileName = fields.name;
    TileEnglishName = fields.englishName;
    TileChineseName = fields.chineseName;
    TileDescription = fields.description;
}

} // namespace mahjong
