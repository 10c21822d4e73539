// The program's start: one copy only, a seeded random source, the reminder, the launcher.
#include "startup.h"

#include "frmMDI.h"
#include "instance_lock.h"
#include "modHelp.h"
#include "picture.h"
#include "platform.h"
#include "program_style.h"

#include <QApplication>
#include <QPointer>

namespace shell {

void useProgramIcon()
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(Picture::fromSvg(QStringLiteral(":/shell/pictures/tavrenne.svg")).icon());
}

std::unique_ptr<frmMDI> StartApplication(InstanceLock &lock, const ToolRegistration &registerTools)
{
    // Every window carries the program's icon and style, a box shown before the launcher too.
    useProgramStyle();
    useProgramIcon();
    if (!lock.acquire()) {
        showMessage(QStringLiteral("Application is already running"), MessageIcon::Information);
        // Once the box is answered: the copy that runs comes forward, where the platform lets it.
        lock.knockOnRunningCopy();
        ExitApplication();
        return nullptr;
    }
    platform().random->reseedFromClock();
    CheckUpdateReminder();

    auto mdi = std::make_unique<frmMDI>();
    if (registerTools)
        registerTools(*mdi);
    mdi->showMaximized();
    lock.onKnock([launcher = QPointer<frmMDI>(mdi.get())] {
        if (!launcher)
            return;
        launcher->setWindowState(launcher->windowState() & ~Qt::WindowMinimized);
        launcher->raise();
        launcher->activateWindow();
    });
    return mdi;
}

} // namespace shell
