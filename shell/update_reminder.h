// The reminder that asks, every couple of weeks, whether to look for an update.
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace shell {

enum class ReminderStep {
    StoreNow, // nothing usable stored yet: remember now, ask nothing
    Nothing,  // asked recently enough
    Ask,      // ask, then remember now whatever the answer
};

// `stored` is the decoded stored text; empty on the first run.
ReminderStep decideReminder(const QString &stored, const QDateTime &now);

// The text a date and time is stored as, and its reading back. Reading also
// accepts the locale's own formats, which older stores may hold.
QString generalDateText(const QDateTime &moment);
std::optional<QDateTime> readGeneralDate(const QString &text);

QString reminderKey();
inline const QString ReminderSection = QStringLiteral("Settings");
QString reminderQuestion();

// The executable's file name without its extension.
QString applicationName();

void CheckUpdateReminder();

} // namespace shell
