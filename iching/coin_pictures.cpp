// Where the coin faces live: the folder "pics" beside the executable.
#include "coin_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace iching {

namespace {
QString g_folder;
}

QString picturesFolder()
{
    if (!g_folder.isEmpty())
        return g_folder;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/pics");
}

void setPicturesFolder(const QString &folder)
{
    g_folder = folder;
}

bool picturesFolderExists()
{
    return QFileInfo(picturesFolder() + QLatin1Char('/')).isDir();
}

QString coinPicturePath(CoinFace face)
{
    return picturesFolder() + (face == CoinFace::Heads ? QStringLiteral("/heads.gif") : QStringLiteral("/tails.gif"));
}

} // namespace iching
