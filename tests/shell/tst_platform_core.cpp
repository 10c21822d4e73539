// The random source's range and seeding, and the previous-instance lock.
#include "shell/instance_lock.h"
#include "shell/platform.h"
#include "support/process_limits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Sets an environment variable until the guard goes. Qt reads an empty XDG_CACHE_HOME or settings file as
// unset, so putting back what was there restores either case.
auto environmentSet(const char *name, const QString &value)
{
    const QByteArray old = qgetenv(name);
    qputenv(name, QFile::encodeName(value));
    return qScopeGuard([name, old] { qputenv(name, old); });
}

// Runs `step` and says whether it returned within five seconds; a pipe's reader still waiting then is
// let go by opening the pipe's other end, so that a failing test ends rather than hangs.
bool returnsInTime(const std::function<void()> &step, const QString &pipe)
{
    auto done = std::async(std::launch::async, step);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return true;
    QFile writer(pipe);
    if (writer.open(QIODevice::WriteOnly))
        writer.close();
    done.wait();
    return false;
}

} // namespace

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
        const auto freshCache = environmentSet("XDG_CACHE_HOME", cache.path());
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

    void lockPathNobodyHoldsButNobodyCanUseMovesToThePrivateFolder_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<bool>("movesAway");
        QTest::newRow("a folder") << QStringLiteral("folder") << true;
#ifdef Q_OS_UNIX
        const bool bound = testsupport::folderPermissionsBind();
        QTest::newRow("a dangling link") << QStringLiteral("link") << true;
        // Left by a root run or on a file system mounted read-only since: root itself can replace it.
        QTest::newRow("a stale file the user may not write") << QStringLiteral("read-only file") << bound;
        QTest::newRow("a stale file in a read-only folder") << QStringLiteral("read-only folder") << bound;
#endif
    }

    void lockPathNobodyHoldsButNobodyCanUseMovesToThePrivateFolder()
    {
        // Whatever was left at the lock path, with no copy running every start said "already running".
        QFETCH(QString, planted);
        QFETCH(bool, movesAway);
        QTemporaryDir dir;
#ifdef Q_OS_UNIX
        QTemporaryDir cache;
        const auto freshCache = environmentSet("XDG_CACHE_HOME", cache.path());
#endif
        const QString folder = dir.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(QStringLiteral("planted.lock"));
        const auto restoreFolder = qScopeGuard(
            [&] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (planted == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (planted == QLatin1String("link")) {
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), path));
        } else {
            QFile stale(path);
            QVERIFY(stale.open(QIODevice::WriteOnly));
            // A process id no process has: the copy that wrote it has ended.
            stale.write("999999999\ntavrenne\n\n");
            stale.close();
            if (planted == QLatin1String("read-only file"))
                QVERIFY(stale.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser));
            else
                QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        shell::InstanceLock first(QStringLiteral("planted"), folder);
        shell::InstanceLock second(QStringLiteral("planted"), folder);
        QVERIFY(first.acquire());
        QCOMPARE(!first.path().startsWith(dir.path()), movesAway);
        QVERIFY(!second.acquire());
        first.release();
        QVERIFY(second.acquire());
    }

    void fileLockedByARunningProcessKeepsOthersOut()
    {
        // A copy that holds only the file (one started before the second channel existed) still runs.
        QTemporaryDir dir;
        QLockFile older(dir.filePath(QStringLiteral("copy.lock")));
        QVERIFY(older.tryLock(0));
        shell::InstanceLock next(QStringLiteral("copy"), dir.path());
        QVERIFY(!next.acquire());
        older.unlock();
        QVERIFY(next.acquire());
    }

    void runningCopyIsFoundWithoutItsLockFileAndHearsTheRefusedOneKnock()
    {
        // Temporary-file cleaners delete lock files: a second copy then started beside the first. The
        // refused start ends; the user still wants the program, so the running copy comes forward.
        QTemporaryDir dir;
        shell::InstanceLock running(QStringLiteral("copy"), dir.path());
        QVERIFY(running.acquire());
        int knocks = 0;
        running.onKnock([&knocks] { ++knocks; });
#ifndef Q_OS_WIN
        // Windows keeps a running copy's lock file from being deleted.
        QVERIFY(QFile::remove(running.path()));
#endif
        shell::InstanceLock refused(QStringLiteral("copy"), dir.path());
        QVERIFY(!refused.acquire());
        refused.knockOnRunningCopy();
#ifdef Q_OS_LINUX
        QTRY_COMPARE(knocks, 1);
#endif
    }

    void settingsFileIsTheOneQtWouldChoose()
    {
        // Naming the file ourselves must not lose the reminder date every user already has stored.
#ifdef Q_OS_WIN
        QSKIP("On Windows the settings live in the registry.");
#endif
        const auto unset = environmentSet("TAVRENNE_SETTINGS_FILE", QString());
        const QString application = QStringLiteral("tavrenne-path-check");
        QCOMPARE(shell::settingsFile(application), QSettings(application, application).fileName());
    }

    void settingsFileThatIsNoFileToReadIsTakenAsAbsent_data()
    {
        QTest::addColumn<QString>("kind");
#ifdef Q_OS_UNIX
        QTest::newRow("pipe") << QStringLiteral("pipe");
#endif
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("oversized file") << QStringLiteral("oversized");
    }

    void settingsFileThatIsNoFileToReadIsTakenAsAbsent()
    {
        // A pipe there kept the launcher from ever appearing; a 60 MB file kept it away for 22 seconds.
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tavrenne.conf"));
        const auto redirected = environmentSet("TAVRENNE_SETTINGS_FILE", path);
        if (kind == QLatin1String("pipe")) {
#ifdef Q_OS_UNIX
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Settings]\nkey=old\n");
            QVERIFY(file.resize(shell::SettingsFileLimit + 1));
        }
        const auto store = shell::makeQSettingsStore();
        const QString section = QStringLiteral("Settings");
        const QString key = QStringLiteral("key");
        QString read;
        QVERIFY(returnsInTime([&] { read = store->value(QStringLiteral("t"), section, key, QStringLiteral("none")); },
                              path));
        QCOMPARE(read, QStringLiteral("none"));
        QVERIFY(
            returnsInTime([&] { store->setValue(QStringLiteral("t"), section, key, QStringLiteral("new")); }, path));
        if (kind == QLatin1String("oversized")) {
            // Read as damaged, and so made anew by the next write.
            QCOMPARE(store->value(QStringLiteral("t"), section, key, QString()), QStringLiteral("new"));
        } else {
            // Not ours to replace.
            QVERIFY(!QFileInfo(path).isFile());
            QVERIFY(QFileInfo::exists(path));
        }
    }
};

QTEST_GUILESS_MAIN(TestPlatformCore)
#include "tst_platform_core.moc"
