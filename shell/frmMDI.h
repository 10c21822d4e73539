// The launcher: the parent window of every tool window, with the panel of tool choices.
#pragma once

#include "window_registry.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPushButton;

namespace shell {
class ClickLabel;
class Panel;
class PictureBox;
class ToolKeysFirst;
class WrapButton;
} // namespace shell

class frmMDI : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMDI(QWidget *parent = nullptr);
    ~frmMDI() override;

    // The launcher in force, or nullptr.
    static frmMDI *instance();

    shell::WindowRegistry &windows() { return *m_windows; }
    QMdiArea *mdiArea() const { return m_area; }

    // picMain: shown while no tool is.
    void setPanelVisible(bool visible);
    bool isPanelVisible() const;
    bool isUnloading() const { return m_unloading; }

    void MDIForm_Load();
    void cmdSelectOption_Click(qint16 index);
    void lblCaption_Click(qint16 index);
    void lblCaption_MouseMove(qint16 index);
    void picMain_MouseMove();
    void cmdMdiExit_Click();
    void mnuExit_Click();
    void MDIForm_Unload();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    shell::Panel *Picture6;
    shell::ClickLabel *lblOrrindelBanner;
    QWidget *Picture1;
    QWidget *picButtonContainer;
    std::array<shell::WrapButton *, 4> cmdSelectOption;
    shell::PictureBox *Picture2;
    shell::PictureBox *Picture4;
    shell::PictureBox *Picture3;
    shell::PictureBox *Picture5;
    shell::Panel *picMain;
    std::array<shell::ClickLabel *, 7> lblCaption;
    shell::Panel *PicCoBrand;
    QPushButton *cmdMdiExit;
    shell::ClickLabel *Label7;
    QMenu *mnuFile;
    QAction *mnuExit;
    QMenu *mnuHelp;

    void fitToScreen();
    void createStrips();
    void createButtons();
    void createCaptions();
    void createMenus();
    void setKeyboardOrder();
    void closeToolWindows();
    void openTool(qint16 buttonIndex);
    void centreControls();

    QMdiArea *m_area;
    shell::WindowRegistry *m_windows;
    shell::ToolKeysFirst *m_toolKeys;
    bool m_unloading = false;
    // The button or link that opened the tool in use: the focus goes back to it when the tool closes.
    QPointer<QWidget> m_opener;
    // What the panel's first three captions say, for a screen reader to read with the window's name.
    QString m_welcome;
};
