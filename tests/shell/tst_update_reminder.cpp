// The update reminder: when it asks, what it stores, and how it survives a damaged store.
#include "shell/text_scrambling.h"
#include "shell/update_reminder.h"
#include "shell/web_pages.h"
#include "support/fake_platform.h"

#include <QLocale>
#include <QTest>

using namespace shell;
using testsupport::FakePlatform;

class TestUpdateReminder : public QObject
{
    Q_OBJECT

    // What the store holds, unscrambled.
    static QString storedDate(FakePlatform &fakes)
    {
        return DecodeText(fakes.settings.value(applicationName(), ReminderSection, reminderKey(), QString()));
    }
    static void store(FakePlatform &fakes, const QString &date)
    {
        fakes.settings.setValue(applicationName(), ReminderSection, reminderKey(), EncodeText(date));
    }

private slots:
    void missingOrUnreadableDateIsReplacedByNowSilently_data()
    {
        QTest::addColumn<QString>("stored"); // null: nothing stored yet
        QTest::newRow("first run") << QString();
        QTest::newRow("garbage") << QStringLiteral("not a date at all");
        QTest::newRow("impossible date") << QStringLiteral("2026-13-45 99:99:99");
        QTest::newRow("half a date") << QStringLiteral("2026-03");
    }

    void missingOrUnreadableDateIsReplacedByNowSilently()
    {
        // A new user must not be greeted by an update question, and a damaged store must not make the
        // reminder fail at every start for ever.
        QFETCH(QString, stored);
        FakePlatform fakes;
        if (!stored.isNull())
            store(fakes, stored);
        CheckUpdateReminder();
        QVERIFY(fakes.messages.shown.empty());
        QCOMPARE(storedDate(fakes), generalDateText(fakes.clock.current));
        // The store holds the scrambled key "Duration" under "Settings", and a scrambled date.
        const QString path = testsupport::MemorySettings::path(applicationName(), QStringLiteral("Settings"),
                                                               EncodeText(QStringLiteral("Duration")));
        QCOMPARE(fakes.settings.values.size(), size_t(1));
        QVERIFY(fakes.settings.values.count(path) == 1);
        const QString raw = fakes.settings.values[path];
        QVERIFY(raw != generalDateText(fakes.clock.current));
        QCOMPARE(raw, EncodeText(generalDateText(fakes.clock.current)));
        CheckUpdateReminder();
        QVERIFY(fakes.messages.shown.empty());
    }

    void asksOnlyOutsideFourteenDaysAndEitherAnswerStoresToday_data()
    {
        QTest::addColumn<int>("storedDaysFromNow");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("yes");
        QTest::newRow("yesterday") << -1 << false << false;
        QTest::newRow("14 days ago") << -14 << false << false;
        QTest::newRow("15 days ago, answered no") << -15 << true << false;
        QTest::newRow("15 days ago, answered yes") << -15 << true << true;
        QTest::newRow("a year ago") << -365 << true << false;
        QTest::newRow("14 days ahead") << 14 << false << false;
        QTest::newRow("15 days ahead") << 15 << true << false;
        QTest::newRow("20 days ahead, clock set back") << 20 << true << false;
    }

    void asksOnlyOutsideFourteenDaysAndEitherAnswerStoresToday()
    {
        // Off by one here would nag every day or never at all; forgetting to store after "No" would ask
        // at every start.
        QFETCH(int, storedDaysFromNow);
        QFETCH(bool, asks);
        QFETCH(bool, yes);
        FakePlatform fakes;
        const QDateTime stored = fakes.clock.current.addDays(storedDaysFromNow).addSecs(-3600);
        store(fakes, generalDateText(stored));
        fakes.messages.answers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No);
        CheckUpdateReminder();
        QCOMPARE(fakes.messages.shown.size(), size_t(asks ? 1 : 0));
        QCOMPARE(fakes.webPages.opened.size(), size_t(yes ? 1 : 0));
        if (!asks) {
            QCOMPARE(storedDate(fakes), generalDateText(stored));
            return;
        }
        const MessageRequest &box = fakes.messages.shown.front();
        QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\r"
                                          "Do you want to check for an update?"));
        QCOMPARE(box.icon, MessageIcon::Information);
        QCOMPARE(box.buttons, MessageButtons::YesNo);
        QCOMPARE(box.title, QStringLiteral("Tavrenne"));
        if (yes)
            QCOMPARE(fakes.webPages.opened.front(), webPageAddress(WebPage::Download));
        QCOMPARE(storedDate(fakes), generalDateText(fakes.clock.current));
        fakes.clock.current = fakes.clock.current.addDays(1);
        CheckUpdateReminder();
        QCOMPARE(fakes.messages.shown.size(), size_t(1));
    }

    void datesReadBackWhetherWrittenHereOrInTheLocalesFormat()
    {
        // A two-digit year would read back a century off and ask at every start.
        const QDateTime moment(QDate(2031, 7, 4), QTime(23, 59, 58));
        QVERIFY(generalDateText(moment).contains(QStringLiteral("2031")));
        QCOMPARE(readGeneralDate(generalDateText(moment)), std::optional<QDateTime>(moment));
        // Values written by the locale's own format are read, not thrown away.
        const QDateTime local(QDate(2026, 3, 1), QTime(8, 15, 0));
        const auto read = readGeneralDate(QLocale::system().toString(local, QLocale::LongFormat));
        QVERIFY(read.has_value());
        QCOMPARE(read->date(), local.date());
    }
};

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_update_reminder.moc"
