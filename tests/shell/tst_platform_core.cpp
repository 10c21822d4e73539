// The random source's range and seeding, and the previous-instance lock.
#include "shell/instance_lock.h"
#include "shell/platform.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class TestPlatformCore : public QObject
{
    Q_OBJECT

private slots:
    void randomValuesStayBelowOne()
    {
        // A draw of exactly 1 would index past the end of every table.
        QVERIFY(shell::unitInterval(std::numeric_limits<std::uint64_t>::max()) < 1.0);
        QCOMPARE(shell::unitInterval(0), 0.0);
        const auto random = shell::makeClockSeededRandom();
        for (int i = 0; i < 100000; ++i) {
            const double r = random->next();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void reseedingTwiceInOneSecondGivesDifferentSequences()
    {
        // A seed of whole seconds would repeat a toss made twice in the same second.
        const auto random = shell::makeClockSeededRandom();
        random->reseedFromClock();
        const double first = random->next();
        QTest::qWait(1);
        random->reseedFromClock();
        QVERIFY(random->next() != first);
    }

    void secondLockFailsWhileTheFirstIsHeld()
    {
        // Two copies running side by side would share one reminder and confuse the user.
        QTemporaryDir dir;
        shell::InstanceLock first(QStringLiteral("copy"), dir.path());
        shell::InstanceLock second(QStringLiteral("copy"), dir.path());
        QVERIFY(first.acquire());
        QVERIFY(!second.acquire());
        first.release();
        QVERIFY(second.acquire());
    }

    void lockLeftByADeadProcessDoesNotBlock()
    {
        // A copy that crashed must not keep the program from ever starting again.
        QTemporaryDir dir;
        // This test program itself, listing its tests, is a process that surely exists on every platform.
        QProcess ended;
        ended.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-functions")});
        QVERIFY(ended.waitForStarted());
        const qint64 deadPid = ended.processId();
        QVERIFY(ended.waitForFinished());
        shell::InstanceLock probe(QStringLiteral("copy"), dir.path());
        QFile stale(probe.path());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        // No host name: this machine's. Qt names it differently per platform (COMPUTERNAME on Windows).
        stale.write(QByteArray::number(deadPid) + "\ntavrenne\n\n");
        stale.close();
        QVERIFY(probe.acquire());
    }
};

QTEST_GUILESS_MAIN(TestPlatformCore)
#include "tst_platform_core.moc"
