// Routes the launcher's keyboard shortcuts to the tool window in use when both claim the same letter.
#pragma once

#include <QObject>

class QMdiArea;
class QMenuBar;
class QPushButton;

namespace shell {

// The launcher shares its window with the tools, so its Alt+F and Alt+H would mean two menus at once while a
// tool with the same letters is in use, and Qt would open them in turn: the tool's menus come first. The
// launcher's Alt+E takes no key at all while a tool is in use. The launcher deletes this before its controls.
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
