// The wait of a draw: its length, the events it keeps handling, its idle processor, and windows closed during it.
#include "mahjong/frmMahjongOracleDisplay.h"
#include "mahjong/frmMahjongOracleMain.h"
#include "mahjong/mahjong_windows.h"
#include "mahjong/oracle_widgets.h"
#include "shell/click_label.h"
#include "shell/frmMDI.h"
#include "shell/picture_button.h"
#include "support/gui_test.h"
#include "support/process_limits.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

using testsupport::control;
using testsupport::press;

namespace {

constexpr qint64 Second = 1000;
// Generous above, exact below: a wait may be late under load but must never be short.
constexpr qint64 Late = 500;

// Runs `during` once, this long into the wait that follows.
void during(int ms, std::function<void()> what)
{
    QTimer::singleShot(ms, std::move(what));
}

} // namespace

class TestMahjongWait : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestMahjongWait()
        : GuiTest(mahjong::registerWindows, QSize(1100, 860))
    {
    }

protected:
    void afterLauncher() override
    {
        m_mdi->cmdSelectOption_Click(3);
        QVERIFY(drawForm());
        frmMahjongOracleMain::setDrawPause(1);
    }

private:
    frmMahjongOracleMain *drawForm() { return tool<frmMahjongOracleMain>(); }
    frmMahjongOracleDisplay *result() { return tool<frmMahjongOracleDisplay>(); }

    qint16 m_programPause = 0;

private slots:
    void initTestCase() { m_programPause = frmMahjongOracleMain::drawPause(); }

    void theProgramWaitsThreeSeconds()
    {
        // Tests shorten the wait; the program itself must keep its three seconds.
        QCOMPARE(m_programPause, qint16(3));
    }

    void aPauseLastsItsSecondHandlingEventsWithTheProcessorIdle_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::newRow("mid-morning") << QTime(10, 30, 0);
        QTest::newRow("a moment before midnight") << QTime(23, 59, 59, 800);
    }

    void aPauseLastsItsSecondHandlingEventsWithTheProcessorIdle()
    {
        // Timing by the time of day would end a wait begun before midnight at once, or never. A wait that blocks
        // the event queue freezes repaints, menus and banners for its whole length; a busy loop keeps a whole
        // core at work for it.
        QFETCH(QTime, now);
        m_fakes->clock.current = QDateTime(QDate(2026, 3, 15), now);
        bool zeroTimerFired = false;
        qint64 lateTimerAt = -1;
        const double before = testsupport::processorSeconds();
        QElapsedTimer elapsed;
        elapsed.start();
        during(0, [&] { zeroTimerFired = true; });
        during(400, [&] { lateTimerAt = elapsed.elapsed(); });
        frmMahjongOracleMain::Pause(1);
        const qint64 took = elapsed.elapsed();
        const double used = testsupport::processorSeconds() - before;
        QVERIFY2(took >= Second, qPrintable(QString::number(took)));
        QVERIFY2(took < Second + Late, qPrintable(QString::number(took)));
        QVERIFY(zeroTimerFired);
        QVERIFY2(lateTimerAt >= 400 && lateTimerAt < Second, qPrintable(QString::number(lateTimerAt)));
        const double wall = double(took) / 1000.0;
        QVERIFY2(used < 0.2 * wall, qPrintable(QStringLiteral("%1 s of processor in %2 s").arg(used).arg(wall)));
    }

    void pauseOfNoTimeReturnsAtOnce_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::newRow("0") << 0;
        QTest::newRow("negative") << -5;
    }

    void pauseOfNoTimeReturnsAtOnce()
    {
        // A negative length read as unsigned would freeze the draw for hours.
        QFETCH(int, seconds);
        QElapsedTimer elapsed;
        elapsed.start();
        frmMahjongOracleMain::Pause(qint16(seconds));
        QVERIFY(elapsed.elapsed() < 200);
    }

    void theWaitShowsPleaseWaitAnswersMenusAndDrawsOnlyAfterIt()
    {
        // Drawing before the wait, or offering the tiles during it, would spoil the ceremony and invite a second
        // draw. The draw form's other handlers must run mid-draw, and the draw must still end with its reading.
        frmMahjongOracleMain *form = drawForm();
        auto *banner = form->findChild<shell::ClickLabel *>(QStringLiteral("Label61"));
        QVERIFY(banner);
        bool checked = false;
        during(200, [&] { QTest::mouseClick(banner, Qt::LeftButton); });
        during(300, [&] {
            checked = true;
            QVERIFY(control<shell::PictureButton>(form, "cmdFindMajong")->isHidden());
            QVERIFY(control<mahjong::RoundedPanel>(form, "picMessage")->isVisible());
            QVERIFY(control<QLabel>(form, "pi")->isVisible());
            for (int n = 1; n <= 4; ++n)
                QVERIFY(control<mahjong::Shape>(form, QStringLiteral("shp%1").arg(n))->isVisible());
            QCOMPARE(m_fakes->random.draws, 0);
            QVERIFY(!result());
        });
        during(400, [&] { press(form, QStringLiteral("mnuOnline")); });
        m_fakes->random.values = {0.0};
        QElapsedTimer elapsed;
        elapsed.start();
        press(form, QStringLiteral("cmdFindMajong"));
        QVERIFY(elapsed.elapsed() >= Second);
        QVERIFY(checked);
        QCOMPARE(m_fakes->webPages.opened.size(), std::size_t(2));
        QVERIFY(result() && result()->isVisible());
        QVERIFY(form->isHidden());
        QCOMPARE(result()->lblName->text(), QStringLiteral("4 Bamboo"));
        QCOMPARE(m_fakes->random.draws, 1);
    }

    void closingDuringTheWaitShowsNoReading_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("draw form's close box") << QStringLiteral("close");
        QTest::newRow("draw form's Exit") << QStringLiteral("mnuExit");
        QTest::newRow("launcher closed") << QStringLiteral("launcher");
        QTest::newRow("tool opened again from the launcher") << QStringLiteral("reopen");
    }

    void closingDuringTheWaitShowsNoReading()
    {
        // The wait outlives the window it began in: touching it afterwards crashes, and showing a
        // reading over the launcher (or over a fresh draw form) leaves the user in a half-built tool.
        QFETCH(QString, how);
        QPointer<frmMahjongOracleMain> first = drawForm();
        during(300, [&] {
            if (how == QStringLiteral("launcher")) {
                m_mdi->close();
            } else if (how == QStringLiteral("reopen")) {
                first->close();
                m_mdi->cmdSelectOption_Click(3);
            } else {
                press(first, how);
            }
        });
        press(first, QStringLiteral("cmdFindMajong"));

        QVERIFY(!result());
        QCOMPARE(m_fakes->random.draws, 1);
        QTRY_VERIFY(!first);
        if (how == QStringLiteral("launcher")) {
            QCOMPARE(m_fakes->process.ends, 1);
            QVERIFY(!drawForm());
        } else if (how == QStringLiteral("reopen")) {
            QVERIFY(drawForm() && drawForm()->isVisible());
            QVERIFY(control<shell::PictureButton>(drawForm(), "cmdFindMajong")->isVisible());
            QVERIFY(control<mahjong::RoundedPanel>(drawForm(), "picMessage")->isHidden());
            QVERIFY(!m_mdi->isPanelVisible());
        } else {
            QVERIFY(!drawForm());
            QVERIFY(m_mdi->isPanelVisible());
        }
    }
};

QTEST_MAIN(TestMahjongWait)
#include "tst_mahjong_wait.moc"
