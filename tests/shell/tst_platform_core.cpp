// The random source's range and seeding, and the previous-instance lock.
#include "shell/instance_lock.h"
#include "shell/platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class TestPlatformCore : public QObject
{
    Q_OBJECT

private slots:
    void randomValuesStayBelowOneAndReseedingChangesThem()
    {
        // A draw of exactly 1 would index past the end of every table.
        QVERIFY(shell::unitInterval(std::numeric_limits<std::uint64_t>::max()) < 1.0);
        QCOMPARE(shell::unitInterval(0), 0.0);
        const auto random = shell::makeClockSeededRandom();
        for (int i = 0; i < 100000; ++i) {
            const double r = random->next();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
        // A seed of whole seconds would repeat a toss made twice in the same second.
        random->reseedFromClock();
        const double first = random->next();
        QTest::qWait(1);
        random->reseedFromClock();
        QVERIFY(random->next() != first);
    }

    void secondLockFailsWhileTheFirstIsHeld_data()
    {
        QTest::addColumn<bool>("usable");
        QTest::newRow("in the runtime folder") << true;
        QTest::newRow("in a private folder when the runtime folder is unusable") << false;
    }

    void secondLockFailsWhileTheFirstIsHeld()
    {
        // Two copies running side by side would share one reminder and confuse the user; letting every copy in
        // when the runtime folder takes no lock would do just that.
        QFETCH(bool, usable);
        QTemporaryDir dir;
#ifdef Q_OS_UNIX
        // A fresh cache, so the private folder's permissions are this lock's doing and not a former run's.
        QTemporaryDir cache;
        // Qt reads an empty XDG_CACHE_HOME as unset, so putting back what was there restores either case.
        const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        const auto restoreCache = qScopeGuard([&] { qputenv("XDG_CACHE_HOME", oldCache); });
#endif
        QString folder = dir.path();
        if (!usable) {
            QFile notAFolder(dir.filePath(QStringLiteral("runtime")));
            QVERIFY(notAFolder.open(QIODevice::WriteOnly));
            notAFolder.close();
            folder = dir.filePath(QStringLiteral("runtime/sub"));
        }
        const QString name = usable ? QStringLiteral("copy") : QStringLiteral("fallback-copy");
        shell::InstanceLock first(name, folder);
        shell::InstanceLock second(name, folder);
        QVERIFY(first.acquire());
        QVERIFY(!second.acquire());
        QCOMPARE(first.path().startsWith(dir.path()), usable);
#ifdef Q_OS_UNIX
        QCOMPARE(QFile::permissions(QFileInfo(first.path()).path())
                     & (QFileDevice::ReadOther | QFileDevice::WriteOther),
                 QFileDevice::Permissions());
#endif
        first.release();
        QVERIFY(second.acquire());
    }

    void lockWhoseHolderCannotBeShownAliveIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("holderRuns");
        // This test program itself, listing its tests, is a process that surely exists on every platform.
        QProcess ended;
        ended.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-functions")});
        QVERIFY(ended.waitForStarted());
        const qint64 deadPid = ended.processId();
        QVERIFY(ended.waitForFinished());
        // No host name: this machine's. Qt names it differently per platform (COMPUTERNAME on Windows).
        const QByteArray dead = QByteArray::number(deadPid) + "\ntavrenne\n\n";
        const QByteArray elsewhere = QByteArray::number(QCoreApplication::applicationPid())
                                     + "\ntavrenne\nelsewhere.invalid\n";
        for (const bool runs : {false, true}) {
            const char *who = runs ? "running holder" : "no holder";
            QTest::addRow("empty, %s", who) << QByteArray() << runs;
            QTest::addRow("garbage, %s", who) << QByteArray("\x01\x02 not a lock\n") << runs;
            QTest::addRow("another host, %s", who) << elsewhere << runs;
            QTest::addRow("a process that ended, %s", who) << dead << runs;
        }
    }

    void lockWhoseHolderCannotBeShownAliveIsTakenOver()
    {
        // A copy that crashed, before or after writing its lock, or a host renamed since, must not keep every
        // later start out; yet a copy that runs must be found whatever its file says.
        QFETCH(QByteArray, content);
        QFETCH(bool, holderRuns);
#ifdef Q_OS_WIN
        if (holderRuns)
            QSKIP("On Windows a running copy keeps its lock file open to itself: nothing can rewrite it.");
#endif
        QTemporaryDir dir;
        shell::InstanceLock holder(QStringLiteral("copy"), dir.path());
        if (holderRuns)
            QVERIFY(holder.acquire());
        QFile file(holder.path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        shell::InstanceLock next(QStringLiteral("copy"), dir.path());
        QCOMPARE(next.acquire(), !holderRuns);
    }
};

QTEST_GUILESS_MAIN(TestPlatformCore)
#include "tst_platform_core.moc"
