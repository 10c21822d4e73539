// Routes the launcher's keyboard shortcuts to the tool window in use when both claim the same letter.
#include "tool_keys_first.h"

#include <QAction>
#include <QChildEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>

namespace shell {

namespace {

// The tool window in use, if one is on screen.
QMdiSubWindow *toolInUse(const QMdiArea *area)
{
    QMdiSubWindow *window = area->currentSubWindow();
    return window && window->isVisible() ? window : nullptr;
}

} // namespace

ToolKeysFirst::ToolKeysFirst(QMenuBar *launcherMenus, QMdiArea *area, QPushButton *launcherExit, QObject *parent)
    : QObject(parent)
    , m_menus(launcherMenus)
    , m_area(area)
    , m_exit(launcherExit)
{
    m_menus->installEventFilter(this);
    // A tool window is activated while it loads, before it shows: its showing and hiding count too.
    m_area->viewport()->installEventFilter(this);
    connect(m_area, &QMdiArea::subWindowActivated, this, &ToolKeysFirst::yieldButtonKeys);
}

bool ToolKeysFirst::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area->viewport()) {
        if (event->type() == QEvent::ChildAdded) {
            if (auto *window = qobject_cast<QMdiSubWindow *>(static_cast<QChildEvent *>(event)->child()))
                window->installEventFilter(this);
        }
        return false;
    }
    if (qobject_cast<QMdiSubWindow *>(watched)) {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            yieldButtonKeys();
        return false;
    }
    if (watched != m_menus || event->type() != QEvent::Shortcut)
        return false;
    QMdiSubWindow *tool = toolInUse(m_area);
    QMenuBar *menus = tool ? tool->widget()->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!menus)
        return false;
    const QKeySequence key = static_cast<QShortcutEvent *>(event)->key();
    for (QAction *action : menus->actions()) {
        if (action->isVisible() && action->isEnabled() && QKeySequence::mnemonic(action->text()) == key) {
            menus->setActiveAction(action);
            return true;
        }
    }
    return false;
}

void ToolKeysFirst::yieldButtonKeys()
{
    // While a tool shows, the launcher's Exit is out of the user's mind: its key would end the program from a
    // screen that offers no such thing.
    m_exit->setShortcut(toolInUse(m_area) ? QKeySequence() : QKeySequence::mnemonic(m_exit->text()));
}

} // namespace shell
