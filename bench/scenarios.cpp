// What the benchmark does inside one copy of the program: start it, open the tools, read.
#include "scenarios.h"

#include "measure.h"
#include "tools.h"

#include "fortune/frmFortuneCookieDisplay.h"
#include "fortune/frmFortuneCookieMain.h"
#include "iching/FrmIChingSoftwareMain.h"
#include "iching/frmIChingSoftwareStart.h"
#include "mahjong/frmMahjongOracleDisplay.h"
#include "mahjong/frmMahjongOracleMain.h"
#include "shell/frmMDI.h"
#include "shell/instance_lock.h"
#include "shell/program_style.h"
#include "shell/qt_platform.h"
#include "shell/startup.h"
#include "shell/text_box.h"
#include "shell/tool_window.h"
#include "support/fake_platform.h"
#include "support/gui_test.h"
#include "zodiac/frmChineseZodiacDisplay.h"
#include "zodiac/frmChineseZodiacMain.h"
#include "zodiac/frmChineseZodiacSave.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <unistd.h>

#include <array>

using shell::ToolWindow;
using shell::WindowId;
using testsupport::control;

namespace bench {

namespace {

bool insideToolWindow(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<ToolWindow *>(w))
            return true;
    }
    return false;
}

class ToolBench
{
public:
    ToolBench(frmMDI &mdi, QTextStream &out, testsupport::FakeMessageBoxes &messages)
        : m_mdi(mdi)
        , m_out(out)
        , m_messages(messages)
    {
    }

    void sample(const char *key, double value) { m_out << key << ' ' << value << '\n'; }
    void fail(const QString &what)
    {
        m_out << "error " << what << '\n';
        m_failed = true;
    }
    bool failed() const { return m_failed; }

    // Every tool window closed and destroyed, the panel back: the launcher as after start.
    void closeTools()
    {
        for (int pass = 0; pass < 3 && !m_mdi.windows().openWindows().empty(); ++pass) {
            for (ToolWindow *window : m_mdi.windows().openWindows())
                window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settle();
    }

    // Lets pending paints and window-system replies go through, outside any timing.
    static void settle()
    {
        QEventLoop loop;
        QTimer::singleShot(30, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Runs `action` and waits for the first frame that paints a tool window: the milliseconds from the
    // click to what the user sees.
    double timeToFrame(const std::function<void()> &action)
    {
        m_watcher.arm(insideToolWindow);
        const qint64 start = monotonicNs();
        action();
        if (!m_watcher.waitForFrame()) {
            fail(QStringLiteral("no frame painted"));
            return 0.0;
        }
        return double(m_watcher.framedAtNs() - start) / 1e6;
    }

    bool expectShown(ToolWindow *window, const char *what)
    {
        if (window && window->isVisible())
            return true;
        fail(QStringLiteral("%1 was not shown").arg(QLatin1String(what)));
        return false;
    }

    void openEachTool(int runs)
    {
        struct Tool
        {
            const char *key;
            WindowId first;
        };
        // By the launcher's button index: Zodiac, Fortune Cookie, I Ching, Mahjong. I Ching's
        // first window is its question form, which the casting window puts in front.
        constexpr std::array<Tool, 4> tools{{
            {"open.zodiac", WindowId::ChineseZodiacMain},
            {"open.fortune", WindowId::FortuneCookieMain},
            {"open.iching", WindowId::IChingSoftwareStart},
            {"open.mahjong", WindowId::MahjongOracleMain},
        }};
        for (int run = 0; run < runs && !m_failed; ++run) {
            for (qint16 index = 0; index < 4; ++index) {
                closeTools();
                const double ms = timeToFrame([&] { m_mdi.cmdSelectOption_Click(index); });
                if (!expectShown(m_mdi.windows().find(tools[index].first), tools[index].key))
                    return;
                sample(tools[index].key, ms);
            }
        }
    }

    void castIChing(int runs)
    {
        for (int run = 0; run < runs && !m_failed; ++run) {
            closeTools();
            m_mdi.cmdSelectOption_Click(2);
            auto *question = m_mdi.windows().find<frmIChingSoftwareStart>();
            if (!expectShown(question, "the I Ching question form"))
                return;
            control<QLineEdit>(question, "txtName")->setText(QStringLiteral("Benchmark"));
            control<shell::TextBox>(question, "txtQuestion")->setText(QStringLiteral("Will the figures hold?"));
            question->cmdProceed_Click();
            auto *casting = m_mdi.windows().find<FrmIChingSoftwareMain>();
            if (!expectShown(casting, "the I Ching casting window"))
                return;
            settle();
            const double ms = timeToFrame([casting] {
                for (int toss = 0; toss < 6; ++toss)
                    casting->cmdToss_Click();
            });
            if (control<QLabel>(casting, "lblJudgement")->text().isEmpty()) {
                fail(QStringLiteral("six tosses gave no reading"));
                return;
            }
            sample("reading.iching", ms);
        }
    }

    frmChineseZodiacDisplay *proceedZodiac(int run)
    {
        m_mdi.cmdSelectOption_Click(0);
        auto *entry = m_mdi.windows().find<frmChineseZodiacMain>();
        if (!expectShown(entry, "the Zodiac entry form"))
            return nullptr;
        control<QLineEdit>(entry, "txtName")->setText(QStringLiteral("Benchmark"));
        control<QRadioButton>(entry, QStringLiteral("optSex(%1)").arg(run % 2))->setChecked(true);
        control<QComboBox>(entry, "cboDate")->setCurrentIndex(run % 28);
        control<QComboBox>(entry, "cboMonth")->setCurrentIndex(run % 12);
        control<QComboBox>(entry, "cboYear")
            ->setCurrentIndex((run * 7) % control<QComboBox>(entry, "cboYear")->count());
        settle();
        const std::size_t boxes = m_messages.shown.size();
        const double ms = timeToFrame([entry] { entry->cmdProceed_Click(); });
        auto *display = m_mdi.windows().find<frmChineseZodiacDisplay>();
        if (m_messages.shown.size() != boxes) {
            fail(QStringLiteral("Proceed refused the entries: ") + m_messages.shown.back().text);
            return nullptr;
        }
        if (!expectShown(display, "the Zodiac reading"))
            return nullptr;
        sample("reading.zodiac", ms);
        return display;
    }

    void readZodiac(int runs)
    {
        for (int run = 0; run < runs && !m_failed; ++run) {
            closeTools();
            frmChineseZodiacDisplay *display = proceedZodiac(run);
            if (!display)
                return;
            const double ms = timeToFrame([display] { display->cmdPrint_Click(); });
            auto *sheet = m_mdi.windows().find<frmChineseZodiacSave>();
            if (!expectShown(sheet, "the result sheet"))
                return;
            sample("reading.sheet", ms);
        }
    }

    void proceedZodiacAlone(int runs)
    {
        for (int run = 0; run < runs && !m_failed; ++run) {
            closeTools();
            if (!proceedZodiac(run))
                return;
        }
    }

    void readFortune(int runs)
    {
        for (int run = 0; run < runs && !m_failed; ++run) {
            closeTools();
            m_mdi.cmdSelectOption_Click(1);
            auto *cookies = m_mdi.windows().find<frmFortuneCookieMain>();
            if (!expectShown(cookies, "the cookie form"))
                return;
            settle();
            const double ms = timeToFrame([cookies] { cookies->picTwo_Click(); });
            if (!expectShown(m_mdi.windows().find<frmFortuneCookieDisplay>(), "the fortune"))
                return;
            sample("reading.fortune", ms);
        }
    }

    // The draw and its reading, without the deliberate wait.
    void readMahjong(int runs)
    {
        const qint16 pause = frmMahjongOracleMain::drawPause();
        frmMahjongOracleMain::setDrawPause(0);
        for (int run = 0; run < runs && !m_failed; ++run) {
            closeTools();
            m_mdi.cmdSelectOption_Click(3);
            auto *tiles = m_mdi.windows().find<frmMahjongOracleMain>();
            if (!expectShown(tiles, "the Mahjong tiles"))
                break;
            settle();
            const double ms = timeToFrame([tiles] { tiles->cmdFindMajong_Click(); });
            if (!expectShown(m_mdi.windows().find<frmMahjongOracleDisplay>(), "the Mahjong reading"))
                break;
            sample("reading.mahjong", ms);
        }
        frmMahjongOracleMain::setDrawPause(pause);
    }

    // The processor time of a whole draw with its real wait, over the wait's length: the reading
    // after the wait is counted in, so the figure errs on the high side.
    void waitMahjong(int runs)
    {
        for (int run = 0; run < runs && !m_failed; ++run) {
            closeTools();
            m_mdi.cmdSelectOption_Click(3);
            auto *tiles = m_mdi.windows().find<frmMahjongOracleMain>();
            if (!expectShown(tiles, "the Mahjong tiles"))
                return;
            settle();
            const double cpuBefore = processorSeconds();
            const qint64 start = monotonicNs();
            tiles->cmdFindMajong_Click();
            const double wall = double(monotonicNs() - start) / 1e9;
            const double cpu = processorSeconds() - cpuBefore;
            sample("wait.seconds", wall);
            sample("wait.cpu_ms", cpu * 1e3);
            sample("wait.cpu_percent", wall > 0 ? 100.0 * cpu / wall : 0.0);
        }
    }

private:
    frmMDI &m_mdi;
    QTextStream &m_out;
    testsupport::FakeMessageBoxes &m_messages;
    FrameWatcher m_watcher;
    bool m_failed = false;
};

} // namespace

int runLauncherStart(int argc, char *argv[], QTextStream &out)
{
    const qint64 mainNs = monotonicNs();
    // The same steps, in the same order, as the program's main().
    BenchApplication app(argc, argv);
    FrameWatcher watcher;
    watcher.arm();
    shell::InstanceLock lock;
    shell::installQtPlatform(&lock);
    // A box would wait for a click that never comes: answered at once, and reported.
    testsupport::FakeMessageBoxes boxes;
    shell::platform().messages = &boxes;
    const auto launcher = shell::StartApplication(lock, registerTools);
    if (!launcher) {
        out << "error the launcher did not start\n";
        return 1;
    }
    if (!watcher.waitForFrame()) {
        out << "error the launcher painted no frame\n";
        return 1;
    }
    if (!boxes.shown.empty())
        out << "error the launcher raised message boxes: " << boxes.texts().join(QStringLiteral(" | ")) << '\n';
    // The next copy must find the lock free, not stale.
    reportStartAndEnd(out, mainNs, watcher.framedAtNs(), [&lock] { lock.release(); });
}

int runToolScenarios(int argc, char *argv[], int runs, int waitRuns, const QString &only, QTextStream &out)
{
    BenchApplication app(argc, argv);
    shell::useProgramStyle();
    shell::useProgramIcon();
    shell::installQtPlatform();
    // Nothing may block on a box, open a browser, touch the user's settings or end the process;
    // the clock and the random source stay the real ones.
    testsupport::FakeMessageBoxes messages;
    testsupport::FakeFileDialogs dialogs;
    testsupport::FakeWebPages pages;
    testsupport::MemorySettings settings;
    testsupport::FakeProcess process;
    shell::installPlatform(shell::Platform{&messages, &dialogs, &pages, &settings, nullptr, nullptr, &process});

    frmMDI mdi;
    registerTools(mdi);
    {
        FrameWatcher watcher;
        watcher.arm();
        mdi.showMaximized();
        watcher.waitForFrame();
    }
    ToolBench bench(mdi, out, messages);
    if (only == QLatin1String("proceed")) {
        bench.proceedZodiacAlone(runs);
    } else {
        bench.openEachTool(runs);
        bench.castIChing(runs);
        bench.readZodiac(runs);
        bench.readFortune(runs);
        bench.readMahjong(runs);
        bench.waitMahjong(waitRuns);
    }
    bench.closeTools();
    out << "peak_kib " << peakResidentKiB() << '\n';
    if (process.ends != 0)
        out << "error the program asked to end\n";
    out.flush();
    // Tearing the launcher down is no part of what is measured.
    ::_exit(bench.failed() ? 1 : 0);
}

} // namespace bench
