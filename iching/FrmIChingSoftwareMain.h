// The casting window: the coins, the two figures growing line by line, and the reading.
#pragma once

#include "casting.h"
#include "reading.h"

#include "shell/tool_window.h"

#include <QList>
#include <QPointer>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QPushButton;

namespace shell {
class PictureBox;
class TextBox;
} // namespace shell

namespace iching {
class FigureLine;
}

class FrmIChingSoftwareMain : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::IChingSoftwareMain;
    explicit FrmIChingSoftwareMain(frmMDI &mdi);

    void cmdToss_Click();
    void DisplayChangedLines(const iching::Marks &marksArray);
    void Find_Hexagrams1(const iching::Marks &marksArray);
    void Display_Judgement(const QString &strVal);
    void cmdStartAgain_Click();
    void cmdExit_Click(int index);
    void mnuStart_Click();
    void mnuExit_Click();
    // Opens the whole reading of the finished cast in its own window.
    void cmdFullReading_Click();

    // Clears the twelve figure labels, as the launcher does before showing the window.
    void clearFigures();
    const iching::Cast &cast() const { return m_cast; }
    // The cast with the name and question it answers; complete once the sixth line is cast.
    iching::Reading reading() const;

    void prepareForLauncher() override;
    void placedByLauncher() override;

    // Label1..Label6: cast figure, lines 6 down to 1; Label7..Label12: changed figure, lines 1 up to 6.

    // LabelN by its number, 1 to 12.
    iching::FigureLine *label(int n) const { return figureLabels[n - 1]; }

    // The sibling window hands the keyboard to it.
    QPushButton *cmdToss;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    shell::TextBox *txtUserInfo;
    QFrame *fraHexagram1;
    QFrame *fraCoins;
    QFrame *fraHaxagram2;
    std::array<shell::PictureBox *, 3> picCoin;
    std::array<iching::FigureLine *, 12> figureLabels;
    QLabel *Label13;
    QLabel *lblJudgement;
    shell::TextBox *txtJudgement;
    QLabel *Label15;
    QLabel *Label17;
    shell::TextBox *txtImage;
    shell::TextBox *txtChangeLines;
    QPushButton *cmdExit;
    QPushButton *cmdStartAgain;
    QAction *mnuStart;
    QAction *mnuExit;
    QLabel *lblChangedHexagram;
    QPushButton *cmdFullReading;
    QAction *mnuFullReading;

    // The outer size that uncovers the whole reading after the sixth toss.
    QSize enlargedSize() const;
    void createFigures();
    void createCoins();
    void createReading();
    void showCoin(int index, iching::CoinFace face);
    void showChangedHexagram();

    iching::Cast m_cast;
    QString m_userName;
    QString m_userQuestion;
    QDateTime m_castAt;
    QList<QPointer<QWidget>> m_belowEdge;
};
