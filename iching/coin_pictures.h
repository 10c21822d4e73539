// Where the coin faces live: the folder "pics" beside the executable.
#pragma once

#include "casting.h"

#include <QString>

namespace iching {

QString picturesFolder();
// Tests point this elsewhere; an empty path restores the program's own folder.
void setPicturesFolder(const QString &folder);
bool picturesFolderExists();
QString coinPicturePath(CoinFace face);

} // namespace iching
