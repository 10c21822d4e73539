// The built program as a whole: one copy at a time, and a killed copy does not block the next.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class TestProgram : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_log;

    void prepare(QProcess &process)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("TAVRENNE_SETTINGS_FILE"), m_home.filePath(QStringLiteral("config/settings.ini")));
        // Where the lock goes on Windows.
        env.insert(QStringLiteral("TMP"), m_home.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("TEMP"), m_home.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("TAVRENNE_MESSAGE_LOG"), m_log);
        process.setProcessEnvironment(env);
        process.setProgram(QStringLiteral(TAVRENNE_BINARY));
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    QStringList boxes()
    {
        QFile log(m_log);
        // Text mode: the program writes the log with the platform's line ends.
        if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    bool startAndSettle(QProcess &process)
    {
        prepare(process);
        process.start();
        if (!process.waitForStarted())
            return false;
        // Settled once it has taken the lock and shown its launcher. A slow start (under Wine, say) is
        // waited for through the lock file, which the program writes before anything else.
        const QString lock = m_home.filePath(QStringLiteral("runtime/tavrenne.lock"));
        for (int waited = 0; !QFile::exists(lock) && waited < 20000; waited += 100) {
            if (process.waitForFinished(100))
                return false;
        }
        return !process.waitForFinished(1500);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QDir(m_home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(m_home.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_log = m_home.filePath(QStringLiteral("boxes.log"));
    }

    void secondCopyIsRefusedAndTheFirstKeepsRunning()
    {
        // Two copies would fight over the one reminder setting.
        QProcess first;
        QVERIFY(startAndSettle(first));
        QVERIFY(boxes().isEmpty());

        QProcess second;
        prepare(second);
        second.start();
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(boxes(), QStringList{QStringLiteral("Tavrenne\tinformation\tok\tApplication is already running")});

        QCOMPARE(first.state(), QProcess::Running);
        // Killed rather than asked to close: a program on the offscreen platform has no window to close.
        first.kill();
        QVERIFY(first.waitForFinished(10000));
    }

    void copyThatWasKilledDoesNotBlockTheNextStart()
    {
        // A crash must not lock the user out of the program for ever.
        QFile::remove(m_log);
        QProcess killed;
        QVERIFY(startAndSettle(killed));
        killed.kill();
        QVERIFY(killed.waitForFinished(10000));

        QProcess next;
        QVERIFY(startAndSettle(next));
        QVERIFY(boxes().isEmpty());
        next.kill();
        QVERIFY(next.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
