// A netbook at 1024x600 and a 1920x1080 laptop at 200% (960x540 at a pixel ratio of 2): the launcher stays on the
// screen, and every control of every tool window can be reached, the window scrolling inside the launcher where it is
// the larger. TAVRENNE_TEST_SCREEN picks the screen: "netbook" or "laptop200".
#include "support/gui_test.h"
#include "tools.h"
#include "zodiac/entry_form.h"

#include "fortune/frmFortuneCookieMain.h"
#include "iching/frmIChingSoftwareStart.h"
#include "mahjong/frmMahjongOracleMain.h"
#include "zodiac/frmChineseZodiacDisplay.h"
#include "zodiac/frmChineseZodiacMain.h"
#include "zodiac/frmChineseZodiacSave.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using shell::ToolWindow;
using testsupport::press;

class TestSmallScreens : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestSmallScreens()
        : GuiTest(registerTools, QSize())
    {
    }

private:
    // What a user can bring into view: inside the launcher's client area once its scroll bars are moved.
    void verifyReachable(ToolWindow *window)
    {
        QVERIFY(window && window->isVisible());
        QMdiArea *area = m_mdi->mdiArea();
        const QSize view = area->viewport()->size();
        const QSize scroll(area->horizontalScrollBar()->maximum() - area->horizontalScrollBar()->value(),
                           area->verticalScrollBar()->maximum() - area->verticalScrollBar()->value());
        const QRect reach(QPoint(-area->horizontalScrollBar()->value(), -area->verticalScrollBar()->value()),
                          view + scroll);
        QVERIFY2(reach.contains(window->geometry().topLeft()), "the title bar is out of reach");
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!control->isVisibleTo(window) || control->focusPolicy() == Qt::NoFocus)
                continue;
            const QRect at(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
            QVERIFY2(reach.contains(at), qPrintable(window->windowTitle() + QLatin1Char(' ') + control->objectName()));
        }
    }

private slots:
    void launcherStaysOnTheScreen()
    {
        // A launcher as start-up makes it, not one the fixture has sized.
        m_mdi = std::make_unique<frmMDI>();
        const QRect screen = m_mdi->screen()->availableGeometry();
        m_mdi->showNormal();
        QVERIFY2(screen.contains(m_mdi->frameGeometry()), "the launcher is larger than the screen");
        m_mdi->showMaximized();
        QTRY_VERIFY(screen.contains(m_mdi->frameGeometry()));
        QVERIFY(screen.contains(m_mdi->frameGeometry().topLeft()));
    }

    void everyControlOfEveryToolWindowCanBeReached()
    {
        m_mdi->showMaximized();
        QTest::qWait(50);
        m_mdi->cmdSelectOption_Click(0);
        auto *entry = tool<frmChineseZodiacMain>();
        verifyReachable(entry);
        zodiactest::fillEntry(entry, QStringLiteral("Ann"), zodiactest::Female, 12, 3, 1975);
        press(entry, QStringLiteral("cmdProceed"));
        verifyReachable(tool<frmChineseZodiacDisplay>());
        press(tool<frmChineseZodiacDisplay>(), QStringLiteral("cmdPrint"));
        verifyReachable(tool<frmChineseZodiacSave>());
        m_mdi->cmdSelectOption_Click(1);
        verifyReachable(tool<frmFortuneCookieMain>());
        m_mdi->cmdSelectOption_Click(2);
        verifyReachable(tool<frmIChingSoftwareStart>());
        m_mdi->cmdSelectOption_Click(3);
        verifyReachable(tool<frmMahjongOracleMain>());
    }
};

int main(int argc, char *argv[])
{
    // The screen is the offscreen platform's, described in a file of its own before the application starts.
    const bool laptop = qEnvironmentVariable("TAVRENNE_TEST_SCREEN") == QLatin1String("laptop200");
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(laptop ? R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 960, "height": 540, "dpr": 2}]})"
                      : R"({"screens": [{"name": "netbook", "x": 0, "y": 0, "width": 1024, "height": 600}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TestSmallScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_small_screens.moc"
