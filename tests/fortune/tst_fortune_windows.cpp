// The cookie tool end to end: the draw, the revealed cookie, Back, Exit and the close box.
#include "fortune/fortune_lookup.h"
#include "fortune/fortune_windows.h"
#include "fortune/frmFortuneCookieDisplay.h"
#include "fortune/frmFortuneCookieMain.h"
#include "shell/frmMDI.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "support/gui_test.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>

using testsupport::addWaysOut;
using testsupport::control;
using testsupport::largestBelowOne;
using testsupport::press;
using testsupport::verifyShows;

class TestFortuneWindows : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestFortuneWindows()
        : GuiTest(fortune::registerWindows, QSize(1100, 800))
    {
    }

protected:
    void afterLauncher() override
    {
        m_mdi->cmdSelectOption_Click(1);
        QVERIFY(cookies() && cookies()->isVisible());
    }

private:
    frmFortuneCookieMain *cookies() { return tool<frmFortuneCookieMain>(); }
    frmFortuneCookieDisplay *result() { return tool<frmFortuneCookieDisplay>(); }
    shell::PictureButton *cookie(const QString &name) { return control<shell::PictureButton>(cookies(), name); }

    // Opens the named cookie by a click, or by this key with the cookie in focus, which reaches it later.
    void open(const QString &name, int key = 0)
    {
        if (key == 0) {
            press(cookies(), name);
        } else {
            cookie(name)->setFocus();
            QTest::keyClick(cookie(name), Qt::Key(key));
            QTRY_VERIFY(result() && result()->isVisible());
        }
    }

    int openedVisible()
    {
        frmFortuneCookieDisplay *display = result();
        return int(display->picBrokenOne->isVisible()) + int(display->picBrokenTwo->isVisible())
               + int(display->picBrokenThree->isVisible());
    }

private slots:
    void copyReadingTakesTheFortuneOnScreen_data()
    {
        testsupport::addWays({{"menu", "mnuCopyReading"}, {"key", "Ctrl+Shift+C"}});
    }

    void copyReadingTakesTheFortuneOnScreen()
    {
        // The copy must be the fortune the user is reading, not the one before it.
        QFETCH(QString, how);
        for (const int row : {1, 78}) {
            m_fakes->random.values = {(row + 0.5) / 156};
            open(QStringLiteral("picOne"));
            QVERIFY(result() && result()->isVisible());
            QGuiApplication::clipboard()->clear();
            press(result(), how);
            QCOMPARE(QGuiApplication::clipboard()->text(), fortune::fortuneReadingText(row));
            QVERIFY(QGuiApplication::clipboard()->text().contains(fortune::fortuneText(row)));
            press(result(), QStringLiteral("cmdOK"));
        }
    }

    void theCookieFormLooksAsDesigned()
    {
        // Cookies out of order or a missing instruction mislead the user.
        frmFortuneCookieMain *form = cookies();
        QCOMPARE(form->windowTitle(), QStringLiteral("Qelvo Fortune Cookie"));
        verifyShows(form, {{"lblCaption", "Click On Any One Cookie to Know Your Fortune"},
                           {"mnuUpdate", "Check for Software &Update"}});
        QVERIFY(
            control<QLabel>(form, "Label1")->text().contains(QStringLiteral("cones with an easy-to-use interface")));
        QVERIFY(cookie("picTwo")->x() < cookie("picOne")->x());
        QVERIFY(cookie("picOne")->x() < cookie("picThree")->x());
        for (const char *name : {"picOne", "picTwo", "picThree"}) {
            QVERIFY2(cookie(name)->isVisible(), name);
            QCOMPARE(cookie(name)->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY2(!cookie(name)->accessibleName().isEmpty(), name);
            QVERIFY2(!cookie(name)->picture().isNull(), name);
        }
        QCOMPARE(form->pos(), placeOf(form));
        QVERIFY(!m_mdi->isPanelVisible());
    }

    void aDrawShowsTheRowOfRUnderTheCookieOpened_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text"); // empty: the table's text of the row
        QTest::addColumn<QString>("cookie");
        QTest::addColumn<int>("key"); // 0: a click
        QTest::addColumn<QString>("opened");
        const QString first = QStringLiteral("Everywhere you choose to go, friendly faces will greet you.");
        const QString last = QStringLiteral("Next time you have the opportunity, go on a rollercoaster.");
        // clang-format off
        QTest::newRow("0, leftmost picTwo") << 0.0 << 0 << first << "picTwo" << 0 << "picBrokenTwo";
        QTest::newRow("just below 1/156, picOne") << std::nextafter(1.0 / 156, 0.0) << 0 << first
                                                  << "picOne" << 0 << "picBrokenOne";
        QTest::newRow("1/156, picThree") << 1.0 / 156 << 1 << "" << "picThree" << 0 << "picBrokenThree";
        // A user without a mouse must still get a fortune.
        QTest::newRow("0.5, picThree by space") << 0.5 << 78 << "" << "picThree" << int(Qt::Key_Space)
                                                << "picBrokenThree";
        QTest::newRow("largest below 1, picThree by enter") << largestBelowOne() << 155 << last
                                                            << "picThree" << int(Qt::Key_Return) << "picBrokenThree";
        // clang-format on
    }

    void aDrawShowsTheRowOfRUnderTheCookieOpened()
    {
        // Rounding instead of dropping the fraction would make row 156 reachable; reseeding per draw from the clock
        // would repeat fortunes; the ends of r are where rows slip. The opened cookie must be the one clicked, and
        // only that one.
        QFETCH(double, r);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, cookie);
        QFETCH(int, key);
        QFETCH(QString, opened);
        QCOMPARE(int(fortune::fortuneNumberFor(r)), row);
        m_fakes->random.values = {r};
        open(cookie, key);
        QVERIFY(result() && result()->isVisible());
        verifyShows(result(), {{"lblFortuneMassage", text.isEmpty() ? fortune::fortuneText(row) : text},
                               {"Label2", "Your Fortune For Today"},
                               {"cmdOK", "&Back"},
                               {"cmdExit", "&Exit"},
                               {"mnuUpdate", "&Check for Software Update"}});
        QCOMPARE(openedVisible(), 1);
        QVERIFY(control<QWidget>(result(), opened)->isVisible());
        QCOMPARE(m_fakes->random.draws, 1);
        QCOMPARE(m_fakes->random.reseeds, 0);
        QVERIFY(!cookies()->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(result()->pos(), placeOf(result()));
    }

    void backOffersAllThreeCookiesAndAFreshDraw()
    {
        // A second draw after Back must not show two opened cookies or a hidden cookie.
        open(QStringLiteral("picThree"));
        press(result(), QStringLiteral("cmdOK"));
        QVERIFY(!result());
        QVERIFY(cookies()->isVisible());
        for (const char *name : {"picOne", "picTwo", "picThree"})
            QVERIFY2(cookie(name)->isVisible(), name);
        QVERIFY(!m_mdi->isPanelVisible());

        m_fakes->random.values = {0.5};
        open(QStringLiteral("picOne"));
        QCOMPARE(openedVisible(), 1);
        QVERIFY(result()->picBrokenOne->isVisible());
        QCOMPARE(result()->lblFortuneMassage->text(), fortune::fortuneText(78));

        press(result(), QStringLiteral("mnuFileBack"));
        QVERIFY(!result());
        QVERIFY(cookie("picOne")->isVisible());
    }

    void leavingTheToolBringsThePanelBack_data() { addWaysOut("cookie form"); }

    void leavingTheToolBringsThePanelBack()
    {
        // Exit on the result must leave the tool, not fall back to the cookies.
        QFETCH(bool, fromResult);
        QFETCH(QString, how);
        if (fromResult)
            open(QStringLiteral("picTwo"));
        press(fromResult ? static_cast<QWidget *>(result()) : cookies(), how);
        QVERIFY(!result());
        QVERIFY(m_mdi->isPanelVisible());
        if (fromResult)
            QVERIFY(cookies() && !cookies()->isVisible());
        else
            QVERIFY(!cookies());
    }

    void anotherToolFromTheLauncherClosesBothForms()
    {
        // Leftover cookie forms would reappear the next time the tool opens.
        open(QStringLiteral("picTwo"));
        m_mdi->cmdSelectOption_Click(0);
        QVERIFY(!result());
        QVERIFY(!cookies());
    }
};

QTEST_MAIN(TestFortuneWindows)
#include "tst_fortune_windows.moc"
