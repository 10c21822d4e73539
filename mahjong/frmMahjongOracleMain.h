// The draw form: a group of tiles to click, a short wait, then the drawn tile's reading.
#pragma once

#include "tile_pictures.h"

#include "shell/tool_window.h"

#include <array>

class QAction;
class QLabel;

namespace shell {
class PictureButton;
}

namespace mahjong {
class RoundedPanel;
class Shape;
} // namespace mahjong

class frmMahjongOracleMain : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::MahjongOracleMain;
    explicit frmMahjongOracleMain(frmMDI &mdi);

    // Waits this many seconds on a monotonic clock while window events go on being handled.
    static void Pause(qint16 seconds);
    // The wait of a draw: 3 seconds in the program, shorter in tests.
    static qint16 drawPause();
    static void setDrawPause(qint16 seconds);

    void cmdFindMajong_Click();
    void mnuExit_Click();
    // Ready for a draw: the tiles offered, the wait panel away.
    void offerTiles();

    mahjong::TileImageList IMGMajong;

    // The sibling window hands the keyboard to it.
    shell::PictureButton *cmdFindMajong;

protected:
    void Form_Load() override;

private:
    QLabel *Label5;
    QLabel *Label4;
    QLabel *Label3;
    QLabel *lblClickMessage;
    mahjong::RoundedPanel *picMessage;
    QLabel *pi;
    std::array<mahjong::Shape *, 4> shp; // shp1 to shp4, left to right
    QAction *mnuExit;
};
