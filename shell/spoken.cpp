// Telling a screen reader what just happened, where the focus stays put.
#include "spoken.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace shell {

namespace {

const QString AnnouncementName = QStringLiteral("announcement");

class AnnouncementAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncementAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
    {
    }
};

QAccessibleInterface *announcementAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && object && object->isWidgetType()
        && object->objectName() == AnnouncementName)
        return new AnnouncementAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void announce(QWidget *window, const QString &text)
{
    static const bool installed = [] {
        QAccessible::installFactory(&announcementAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    if (!window)
        return;
    auto *note = window->findChild<QWidget *>(AnnouncementName, Qt::FindDirectChildrenOnly);
    if (!note) {
        // A point the size of a pixel that paints nothing: seen by a screen reader, not by the eye.
        note = new QWidget(window);
        note->setObjectName(AnnouncementName);
        note->setAttribute(Qt::WA_TransparentForMouseEvents);
        note->setFocusPolicy(Qt::NoFocus);
        note->setGeometry(0, 0, 1, 1);
    }
    note->hide();
    note->setAccessibleName(text);
    note->show();
}

} // namespace shell
