// Tavrenne: four Chinese divination tools behind one launcher.
#include "tools.h"

#include "shell/frmMDI.h"
#include "shell/instance_lock.h"
#include "shell/qt_platform.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tavrenne.Tavrenne"));
    shell::InstanceLock lock;
    shell::installQtPlatform(&lock);
    const auto launcher = shell::StartApplication(lock, registerTools);
    if (!launcher)
        return 0;
    return app.exec();
}
