// The procedures every window shares: quitting and the shared menus.
#include "modHelp.h"

#include "frmAbout.h"
#include "frmMDI.h"
#include "platform.h"
#include "tool_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace shell {

void ExitApplication()
{
    // Closing the launcher comes back here through its unload; once is enough.
    static bool exiting = false;
    if (exiting)
        return;
    exiting = true;
    if (frmMDI *mdi = frmMDI::instance()) {
        if (!mdi->isUnloading())
            mdi->close();
        for (ToolWindow *window : mdi->windows().openWindows())
            window->close();
    }
    exiting = false;
    platform().process->endProcess();
}

QMenu *addFileMenu(QMenuBar *bar)
{
    QMenu *menu = bar->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    return menu;
}

QAction *addMenuEntry(QMenu *menu, const QString &name, const QString &caption, std::function<void()> handler)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, [handler = std::move(handler)] { handler(); });
    return action;
}

void addMenuSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

QMenu *addHelpMenu(QMenuBar *bar, QWidget *owner, const HelpMenuNames &names)
{
    QMenu *menu = bar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    addMenuEntry(menu, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"),
                 [] { OpenWebPage(WebPage::OnlineHelp); });
    addMenuEntry(menu, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"),
                 [] { OpenWebPage(WebPage::HomePage); });
    addMenuSeparator(menu, names.firstSeparator);
    addMenuEntry(menu, QStringLiteral("mnuUpdate"), names.updateCaption, [] { OpenWebPage(WebPage::Download); });
    addMenuSeparator(menu, names.secondSeparator);
    addMenuEntry(menu, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"),
                 [owner] { ::frmAbout::showModal(owner); });
    return menu;
}

} // namespace shell
