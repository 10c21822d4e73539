// Routes the launcher's keyboard shortcuts to the tool window in use when both claim the same letter.
#pragma once

#include <QObject>

class QMdiArea;
class QMenuBar;
class QPushButton;

namespace shell {

// The launcher shares its window with the tools, so its Alt+E and its Alt+F and Alt+H would mean two controls
// at once while a tool with the same letters is in use: Qt then only moves the focus between the buttons, and
// opens the two menus in turn. The tool's keys come first. The launcher deletes this before its controls.
class ToolKeysFirst : public QObject
{
public:
    ToolKeysFirst(QMenuBar *launcherMenus, QMdiArea *area, QPushButton *launcherExit, QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void yieldButtonKeys();

    QMenuBar *m_menus;
    QMdiArea *m_area;
    QPushButton *m_exit;
};

} // namespace shell
