// The program's start: one copy only, a seeded random source, the reminder, the launcher.
#include "startup.h"

#include "frmMDI.h"
#include "instance_lock.h"
#include "modHelp.h"
#include "picture.h"
#include "platform.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace shell {

void useProgramIcon()
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(Picture::fromSvg(QStringLiteral(":/shell/pictures/tavrenne.svg")).icon());
}

namespace {

// A box shown before the launcher is the program's first window, and carries its icon.
class BoxesWithIcon final : public MessageBoxes
{
public:
    BoxesWithIcon()
        : m_boxes(platform().messages)
    {
        platform().messages = this;
    }
    ~BoxesWithIcon() override { platform().messages = m_boxes; }
    BoxesWithIcon(const BoxesWithIcon &) = delete;
    BoxesWithIcon &operator=(const BoxesWithIcon &) = delete;

    MessageAnswer show(const MessageRequest &request) override
    {
        useProgramIcon();
        return m_boxes->show(request);
    }

private:
    MessageBoxes *m_boxes;
};

// A window system asks for the icon at several sizes as the window is made, which takes longer than
// painting the whole launcher: the icon follows its first frame, or a second after showing at the latest.
class IconAfterFirstFrame final : public QObject
{
public:
    explicit IconAfterFirstFrame(QWidget &launcher)
        : QObject(&launcher)
    {
        launcher.installEventFilter(this);
        QTimer::singleShot(1000, this, &IconAfterFirstFrame::apply);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Posted from inside the paint, it runs once the whole frame has gone out.
            QTimer::singleShot(0, this, &IconAfterFirstFrame::apply);
        }
        return false;
    }

private:
    void apply()
    {
        useProgramIcon();
        deleteLater();
    }

    bool m_painted = false;
};

} // namespace

std::unique_ptr<frmMDI> StartApplication(InstanceLock &lock, const ToolRegistration &registerTools)
{
    {
        BoxesWithIcon boxes;
        if (!lock.acquire()) {
            showMessage(QStringLiteral("Application is already running"), MessageIcon::Information);
            ExitApplication();
            return nullptr;
        }
        platform().random->reseedFromClock();
        CheckUpdateReminder();
    }

    auto mdi = std::make_unique<frmMDI>();
    if (registerTools)
        registerTools(*mdi);
    new IconAfterFirstFrame(*mdi);
    mdi->showMaximized();
    return mdi;
}

} // namespace shell
