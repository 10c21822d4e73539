// The cookie form: three closed cookies to choose from.
#pragma once

#include "shell/tool_window.h"

class QLabel;
class QAction;

namespace shell {
class PictureButton;
}

class frmFortuneCookieMain : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::FortuneCookieMain;
    explicit frmFortuneCookieMain(frmMDI &mdi);

    void picOne_Click();
    void picTwo_Click();
    void picThree_Click();
    void mnuExit_Click();
    void showCookies(bool visible);

    // The sibling window hands the keyboard to it.
    shell::PictureButton *picTwo;

protected:
    void Form_Load() override;

private:
    shell::PictureButton *picOne;
    shell::PictureButton *picThree;
    QLabel *lblCaption;
    QLabel *Label1;
    QAction *mnuExit;

    enum class Cookie { One, Two, Three };
    void draw(Cookie clicked);
};
