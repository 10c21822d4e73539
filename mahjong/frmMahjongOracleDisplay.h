// The result form: the drawn tile, its names, its meaning and, for some tiles, their associations.
#pragma once

#include "tile_lookup.h"

#include "shell/tool_window.h"

#include <array>

class QAction;
class QLabel;
class QPushButton;

namespace shell {
class PictureBox;
}

namespace mahjong {
class RoundedPanel;
}

class frmMahjongOracleDisplay : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::MahjongOracleDisplay;
    explicit frmMahjongOracleDisplay(frmMDI &mdi);

    void cmdOK_Click();
    void cmdExit_Click();
    void mnuFileBack_Click();
    void mnuExit_Click();
    // Puts the reading on the clipboard as plain text.
    void mnuCopyReading_Click();

    // Fills the panel of `values` and shows it alone; a tile without associations shows none.
    void showPanel(const mahjong::PanelValues &values);
    void hidePanels();
    // Gives the tile picture the whole reading to say and the focus, once the draw has filled the form.
    void offerReading();

    shell::PictureBox *picMajong;
    QLabel *lblEnglishName;
    QLabel *lblName;
    QLabel *lblChineseCharacter;
    QLabel *lblDescription;
    mahjong::RoundedPanel *picWind;
    QLabel *lblWindSeason;
    QLabel *lblWindColor;
    QLabel *lblWindElement;
    QLabel *lblWindConstellation;
    mahjong::RoundedPanel *picFlower;
    QLabel *lblFlowerPlayer;
    QLabel *lblFlowerSeason;
    mahjong::RoundedPanel *picSeason;
    QLabel *lblSeasonPlayer;
    QLabel *lblSeasonRepresentation;
    QLabel *lblSeasonFlower;
    QLabel *lblSeasonColor;
    QLabel *lblSeasonElement;
    QPushButton *cmdOK;
    QPushButton *cmdExit;
    QAction *mnuFileBack;
    QAction *mnuExit;
    QAction *mnuCopyReading;

protected:
    void Form_Load() override;
};
