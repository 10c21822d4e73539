// The program told to end in the middle of a draw's wait: the wait stops and nothing more is shown.
// A process of its own, because once told to end no later event loop in it will run.
#include "mahjong/frmMahjongOracleDisplay.h"
#include "mahjong/frmMahjongOracleMain.h"
#include "mahjong/mahjong_windows.h"
#include "shell/frmMDI.h"
#include "shell/picture_button.h"
#include "support/fake_platform.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

// Ends the process as the program's own does: every running event loop is told to stop.
class EndingProcess : public testsupport::FakeProcess
{
public:
    void endProcess() override
    {
        FakeProcess::endProcess();
        QCoreApplication::exit(0);
    }
};

} // namespace

class TestMahjongExit : public QObject
{
    Q_OBJECT

private slots:
    void quittingDuringTheWaitEndsItAndShowsNothing()
    {
        // The end of the program also ends the wait's loop early: the draw must notice its forms are gone.
        testsupport::FakePlatform fakes;
        EndingProcess process;
        shell::Platform ending;
        ending.process = &process;
        shell::installPlatform(ending);

        frmMDI mdi;
        mahjong::registerWindows(mdi);
        mdi.resize(1100, 860);
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        mdi.cmdSelectOption_Click(3);
        QPointer<frmMahjongOracleMain> form = mdi.windows().find<frmMahjongOracleMain>();
        QVERIFY(form);
        frmMahjongOracleMain::setDrawPause(3);

        QTimer::singleShot(300, &mdi, [&mdi] { mdi.close(); });
        QElapsedTimer elapsed;
        elapsed.start();
        QTest::mouseClick(form->cmdFindMajong, Qt::LeftButton);

        QVERIFY2(elapsed.elapsed() < 2000, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(process.ends, 1);
        QVERIFY(!mdi.windows().find<frmMahjongOracleDisplay>());
        QVERIFY(!mdi.windows().find<frmMahjongOracleMain>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
    }
};

QTEST_MAIN(TestMahjongExit)
#include "tst_mahjong_exit.moc"
