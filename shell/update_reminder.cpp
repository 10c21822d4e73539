// The reminder that asks, every couple of weeks, whether to look for an update.
#include "update_reminder.h"

#include "platform.h"
#include "text_scrambling.h"
#include "web_pages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace shell {

namespace {

constexpr int RemindAfterDays = 14;
const QString StoredFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

} // namespace

QString generalDateText(const QDateTime &moment)
{
    // A fixed four-digit-year format: a locale's short form may hold two-digit
    // years, which read back a century off and would ask at every start.
    return moment.toString(StoredFormat);
}

std::optional<QDateTime> readGeneralDate(const QString &text)
{
    QDateTime moment = QDateTime::fromString(text, StoredFormat);
    if (!moment.isValid())
        moment = QDateTime::fromString(text, Qt::ISODate);
    const QLocale locale = QLocale::system();
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        if (moment.isValid())
            break;
        moment = locale.toDateTime(text, format);
    }
    if (!moment.isValid())
        return std::nullopt;
    return moment;
}

ReminderStep decideReminder(const QString &stored, const QDateTime &now)
{
    if (stored.isEmpty())
        return ReminderStep::StoreNow;
    const std::optional<QDateTime> last = readGeneralDate(stored);
    // A damaged value would otherwise fail the reminder at every start for ever.
    if (!last)
        return ReminderStep::StoreNow;
    const qint64 days = now.date().daysTo(last->date());
    if (days < -RemindAfterDays || days > RemindAfterDays)
        return ReminderStep::Ask;
    return ReminderStep::Nothing;
}

QString reminderKey()
{
    return EncodeText(QStringLiteral("Duration"));
}

QString reminderQuestion()
{
    return QStringLiteral("There maybe an update to this software available") + QChar(13)
           + QStringLiteral("Do you want to check for an update?");
}

QString applicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("tavrenne") : name;
}

void CheckUpdateReminder()
{
    Platform &p = platform();
    const QString application = applicationName();
    const QString key = reminderKey();
    const QDateTime now = p.clock->now();
    const QString stored = DecodeText(p.settings->value(application, ReminderSection, key, QString()));

    const ReminderStep step = decideReminder(stored, now);
    if (step == ReminderStep::Nothing)
        return;
    MessageAnswer answer = MessageAnswer::No;
    if (step == ReminderStep::Ask)
        answer = showMessage(reminderQuestion(), MessageIcon::Information, MessageButtons::YesNo);
    p.settings->setValue(application, ReminderSection, key, EncodeText(generalDateText(now)));
    if (answer == MessageAnswer::Yes)
        OpenWebPage(WebPage::Download);
}

} // namespace shell
