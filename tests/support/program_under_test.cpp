// The program as main() starts it, but every message box is written to the file TAVRENNE_MESSAGE_LOG names
// and answered at once with its default, so a whole-program test can watch a copy it cannot click.
#include "fake_platform.h"
#include "tools.h"

#include "shell/frmMDI.h"
#include "shell/instance_lock.h"
#include "shell/qt_platform.h"
#include "shell/startup.h"

#include <QApplication>
#include <QFile>

namespace {

void appendToLog(const QString &path, const shell::MessageRequest &request)
{
    static const char *const icons[] = {"none", "information", "critical"};
    const QStringList fields{request.title, QLatin1String(icons[int(request.icon)]),
                             request.buttons == shell::MessageButtons::YesNo ? QStringLiteral("yes-no")
                                                                             : QStringLiteral("ok"),
                             QString(request.text).replace(QChar(13), QStringLiteral("\\r"))};
    QFile log(path);
    if (log.open(QIODevice::Append | QIODevice::Text))
        log.write((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shell::InstanceLock lock;
    shell::installQtPlatform(&lock);
    testsupport::FakeMessageBoxes boxes;
    boxes.onShow = [path = qEnvironmentVariable("TAVRENNE_MESSAGE_LOG")](const shell::MessageRequest &request) {
        appendToLog(path, request);
    };
    shell::platform().messages = &boxes;
    const auto launcher = shell::StartApplication(lock, registerTools);
    if (!launcher)
        return 0;
    return app.exec();
}
