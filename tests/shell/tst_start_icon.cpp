// The program's icon at start: on the first box when one comes before the launcher, and never in place
// of an icon already chosen.
#include "shell/frmMDI.h"
#include "shell/instance_lock.h"
#include "shell/startup.h"
#include "shell/text_scrambling.h"
#include "shell/update_reminder.h"
#include "support/fake_platform.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

using namespace shell;
using testsupport::FakePlatform;

class TestStartIcon : public QObject
{
    Q_OBJECT

    QTemporaryDir m_locks;

private slots:
    void initTestCase() { QVERIFY(m_locks.isValid()); }

    void init() { QApplication::setWindowIcon(QIcon()); }

    void boxBeforeTheLauncherCarriesTheIcon_data()
    {
        QTest::addColumn<bool>("secondCopy");
        QTest::addColumn<bool>("launcherShown");
        QTest::newRow("another copy runs") << true << false;
        QTest::newRow("update reminder asks") << false << true;
    }

    void boxBeforeTheLauncherCarriesTheIcon()
    {
        // A box shown before the launcher is the program's first window; without the icon it would
        // stand on the task bar as a nameless program.
        QFETCH(bool, secondCopy);
        QFETCH(bool, launcherShown);
        FakePlatform fakes;
        InstanceLock running(QStringLiteral("tst_start_icon_box"), m_locks.path());
        if (secondCopy)
            QVERIFY(running.acquire());
        else
            fakes.settings.setValue(applicationName(), ReminderSection, reminderKey(),
                                    EncodeText(generalDateText(fakes.clock.current.addDays(-30))));
        std::vector<bool> iconWithBox;
        fakes.messages.onShow = [&iconWithBox](const MessageRequest &) {
            iconWithBox.push_back(!QApplication::windowIcon().isNull());
        };
        InstanceLock lock(QStringLiteral("tst_start_icon_box"), m_locks.path());
        const auto launcher = StartApplication(lock, {});
        QCOMPARE(bool(launcher), launcherShown);
        QCOMPARE(iconWithBox, std::vector<bool>{true});
        QCOMPARE(fakes.process.ends, secondCopy ? 1 : 0);
    }

    void iconChosenBeforeIsKept()
    {
        // A copy started with an icon of its own (set before the launcher) must keep it.
        FakePlatform fakes;
        QPixmap own(16, 16);
        own.fill(Qt::darkCyan);
        QApplication::setWindowIcon(QIcon(own));
        const qint64 chosen = QApplication::windowIcon().cacheKey();
        InstanceLock lock(QStringLiteral("tst_start_icon_kept"), m_locks.path());
        const auto launcher = StartApplication(lock, {});
        QVERIFY(launcher);
        QCOMPARE(QApplication::windowIcon().cacheKey(), chosen);
    }
};

QTEST_MAIN(TestStartIcon)
#include "tst_start_icon.moc"
