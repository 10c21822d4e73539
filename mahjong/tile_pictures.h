// The image list of the 42 tile pictures, in table order under their picture names.
#pragma once

#include "shell/picture.h"

#include <QString>

#include <utility>
#include <vector>

namespace mahjong {

class TileImageList
{
public:
    // The pictures are read on first use, so a program that never draws never reads them.
    bool isLoaded() const { return !m_images.empty(); }
    int count();
    // Picture `index` counted from 1, as rows are; a null picture outside the list.
    shell::Picture picture(int index);
    shell::Picture picture(const QString &key);
    QString key(int index);

    // Where the picture of a key is stored: "bamboo-carp.jpg" is drawn in ":/mahjong/tiles/bamboo-carp.svg".
    static QString resourcePath(const QString &key);

private:
    void load();
    std::vector<std::pair<QString, shell::Picture>> m_images;
};

} // namespace mahjong
