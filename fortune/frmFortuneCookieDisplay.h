// The result form: the opened cookie and its fortune.
#pragma once

#include "shell/tool_window.h"

class QAction;
class QLabel;
class QPushButton;

namespace shell {
class PictureBox;
}

class frmFortuneCookieDisplay : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::FortuneCookieDisplay;
    explicit frmFortuneCookieDisplay(frmMDI &mdi);

    void cmdOK_Click();
    void cmdExit_Click();
    void mnuFileBack_Click();
    void mnuExit_Click();
    // Puts the reading on the clipboard as plain text.
    void mnuCopyReading_Click();

    shell::PictureBox *picBrokenOne;
    shell::PictureBox *picBrokenTwo;
    shell::PictureBox *picBrokenThree;
    QLabel *Label2;
    QLabel *lblFortuneMassage;
    QPushButton *cmdOK;
    QPushButton *cmdExit;
    QAction *mnuFileBack;
    QAction *mnuExit;
    QAction *mnuCopyReading;

protected:
    void Form_Load() override;
};
