// The program as main() starts it, but every message box is written to the file TAVRENNE_MESSAGE_LOG names
// and answered at once with its default, so a whole-program test can watch a copy it cannot click.
#include "tools.h"

#include "shell/frmMDI.h"
#include "shell/instance_lock.h"
#include "shell/qt_platform.h"
#include "shell/startup.h"

#include <QApplication>
#include <QFile>

namespace {

class LoggedMessageBoxes final : public shell::MessageBoxes
{
public:
    explicit LoggedMessageBoxes(const QString &path)
        : m_path(path)
    {
    }

    shell::MessageAnswer show(const shell::MessageRequest &request) override
    {
        const bool yesNo = request.buttons == shell::MessageButtons::YesNo;
        QFile log(m_path);
        if (log.open(QIODevice::Append | QIODevice::Text)) {
            const QStringList fields{request.title, iconName(request.icon),
                                     yesNo ? QStringLiteral("yes-no") : QStringLiteral("ok"),
                                     QString(request.text).replace(QChar(13), QStringLiteral("\\r"))};
            log.write((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
        }
        return yesNo ? shell::MessageAnswer::No : shell::MessageAnswer::Ok;
    }

private:
    static QString iconName(shell::MessageIcon icon)
    {
        switch (icon) {
        case shell::MessageIcon::Information:
            return QStringLiteral("information");
        case shell::MessageIcon::Critical:
            return QStringLiteral("critical");
        case shell::MessageIcon::None:
            break;
        }
        return QStringLiteral("none");
    }

    QString m_path;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shell::InstanceLock lock;
    shell::installQtPlatform(&lock);
    LoggedMessageBoxes boxes(qEnvironmentVariable("TAVRENNE_MESSAGE_LOG"));
    shell::platform().messages = &boxes;
    const auto launcher = shell::StartApplication(lock, registerTools);
    if (!launcher)
        return 0;
    return app.exec();
}
