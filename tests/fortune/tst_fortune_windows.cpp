// The cookie tool end to end: the draw, the revealed cookie, Back, Exit and the close box.
#include "fortune/fortune_lookup.h"
#include "fortune/fortune_windows.h"
#include "fortune/fortunes.h"
#include "fortune/frmFortuneCookieDisplay.h"
#include "fortune/frmFortuneCookieMain.h"
#include "fortune/modFortunrCookies.h"
#include "shell/frmMDI.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "support/gui_test.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

using testsupport::control;
using testsupport::largestBelowOne;

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

    int openedVisible()
    {
        frmFortuneCookieDisplay *display = result();
        return int(display->picBrokenOne->isVisible()) + int(display->picBrokenTwo->isVisible())
               + int(display->picBrokenThree->isVisible());
    }

private slots:
    void drawTurnsRIntoARow_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("row");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("just below 1/156") << std::nextafter(1.0 / 156, 0.0) << 0;
        QTest::newRow("1/156") << 1.0 / 156 << 1;
        QTest::newRow("0.5") << 0.5 << 78;
        QTest::newRow("largest below 1") << largestBelowOne() << 155;
    }

    void drawTurnsRIntoARow()
    {
        // Rounding instead of dropping the fraction would make row 156 reachable.
        QFETCH(double, r);
        QFETCH(int, row);
        QCOMPARE(int(fortune::fortuneNumberFor(r)), row);
    }

    void lookupFindsOnlyRealRows()
    {
        // A number outside the table must give nothing rather than a neighbour's text.
        QCOMPARE(fortune::fortuneText(10), QStringLiteral("Fortune favors the brave."));
        QVERIFY(fortune::fortuneText(156).isEmpty());
        QVERIFY(fortune::fortuneText(-1).isEmpty());
    }

    void theCookieFormLooksAsDesigned()
    {
        // Cookies out of order or a missing instruction mislead the user.
        frmFortuneCookieMain *form = cookies();
        QCOMPARE(form->windowTitle(), QStringLiteral("Qelvo Fortune Cookie"));
        QCOMPARE(control<QLabel>(form, "lblCaption")->text(),
                 QStringLiteral("Click On Any One Cookie to Know Your Fortune"));
        QVERIFY(
            control<QLabel>(form, "Label1")->text().contains(QStringLiteral("cones with an easy-to-use interface")));
        QVERIFY(control<shell::PictureButton>(form, "picTwo")->x()
                < control<shell::PictureButton>(form, "picOne")->x());
        QVERIFY(control<shell::PictureButton>(form, "picOne")->x()
                < control<shell::PictureButton>(form, "picThree")->x());
        for (auto *cookie :
             {control<shell::PictureButton>(form, "picOne"), control<shell::PictureButton>(form, "picTwo"),
              control<shell::PictureButton>(form, "picThree")}) {
            QVERIFY(cookie->isVisible());
            QCOMPARE(cookie->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!cookie->accessibleName().isEmpty());
            QVERIFY(!cookie->picture().isNull());
        }
        QCOMPARE(form->pos(), placeOf(form));
        QVERIFY(!m_mdi->isPanelVisible());
    }

    void drawShowsTheRowOfRWithoutReseeding_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("text");
        QTest::newRow("r = 0") << 0.0 << QStringLiteral("Everywhere you choose to go, friendly faces will greet you.");
        QTest::newRow("largest r below 1")
            << largestBelowOne() << QStringLiteral("Next time you have the opportunity, go on a rollercoaster.");
    }

    void drawShowsTheRowOfRWithoutReseeding()
    {
        // Reseeding per draw from the clock would repeat fortunes; the ends of r are where rows slip.
        QFETCH(double, r);
        QFETCH(QString, text);
        m_fakes->random.values = {r};
        QTest::mouseClick(control<shell::PictureButton>(cookies(), "picOne"), Qt::LeftButton);
        QVERIFY(result() && result()->isVisible());
        QCOMPARE(result()->lblFortuneMassage->text(), text);
        QCOMPARE(m_fakes->random.draws, 1);
        QCOMPARE(m_fakes->random.reseeds, 0);
        QVERIFY(!cookies()->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
    }

    void eachCookieRevealsItsOwnOpenedPicture_data()
    {
        QTest::addColumn<QString>("cookie");
        QTest::addColumn<QString>("opened");
        QTest::newRow("leftmost picTwo") << QStringLiteral("picTwo") << QStringLiteral("picBrokenTwo");
        QTest::newRow("picOne") << QStringLiteral("picOne") << QStringLiteral("picBrokenOne");
        QTest::newRow("picThree") << QStringLiteral("picThree") << QStringLiteral("picBrokenThree");
    }

    void eachCookieRevealsItsOwnOpenedPicture()
    {
        // The opened cookie must be the one clicked, and only that one.
        QFETCH(QString, cookie);
        QFETCH(QString, opened);
        QTest::mouseClick(cookies()->findChild<QWidget *>(cookie), Qt::LeftButton);
        QCOMPARE(openedVisible(), 1);
        QVERIFY(result()->findChild<QWidget *>(opened)->isVisible());
    }

    void keyboardOpensACookieToo_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }

    void keyboardOpensACookieToo()
    {
        // A user without a mouse must still get a fortune.
        QFETCH(int, key);
        control<shell::PictureButton>(cookies(), "picThree")->setFocus();
        QTest::keyClick(control<shell::PictureButton>(cookies(), "picThree"), Qt::Key(key));
        QTRY_VERIFY(result() && result()->picBrokenThree->isVisible());
    }

    void backOffersAllThreeCookiesAndAFreshDraw()
    {
        // A second draw after Back must not show two opened cookies or a hidden cookie.
        QTest::mouseClick(control<shell::PictureButton>(cookies(), "picThree"), Qt::LeftButton);
        result()->cmdOK->click();
        QVERIFY(!result());
        QVERIFY(cookies()->isVisible());
        for (auto *cookie :
             {control<shell::PictureButton>(cookies(), "picOne"), control<shell::PictureButton>(cookies(), "picTwo"),
              control<shell::PictureButton>(cookies(), "picThree")})
            QVERIFY(cookie->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());

        m_fakes->random.values = {0.5};
        QTest::mouseClick(control<shell::PictureButton>(cookies(), "picOne"), Qt::LeftButton);
        QCOMPARE(openedVisible(), 1);
        QVERIFY(result()->picBrokenOne->isVisible());
        QCOMPARE(result()->lblFortuneMassage->text(), fortune::fortuneText(78));

        result()->findChild<QAction *>(QStringLiteral("mnuFileBack"))->trigger();
        QVERIFY(!result());
        QVERIFY(control<shell::PictureButton>(cookies(), "picOne")->isVisible());
    }

    void exitOnTheResultLeadsToThePanel_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << QStringLiteral("cmdExit");
        QTest::newRow("menu") << QStringLiteral("mnuExit");
        QTest::newRow("close box") << QString();
    }

    void exitOnTheResultLeadsToThePanel()
    {
        // Exit must leave the tool, not fall back to the cookies.
        QFETCH(QString, how);
        QTest::mouseClick(control<shell::PictureButton>(cookies(), "picTwo"), Qt::LeftButton);
        if (how == QStringLiteral("cmdExit"))
            result()->cmdExit->click();
        else if (how == QStringLiteral("mnuExit"))
            result()->findChild<QAction *>(how)->trigger();
        else
            result()->close();
        QVERIFY(!result());
        QVERIFY(m_mdi->isPanelVisible());
        QVERIFY(cookies() && !cookies()->isVisible());
    }

    void closingTheCookieFormBringsThePanelBack_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("menu") << true;
        QTest::newRow("close box") << false;
    }

    void closingTheCookieFormBringsThePanelBack()
    {
        QFETCH(bool, byMenu);
        if (byMenu)
            cookies()->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else
            cookies()->close();
        QVERIFY(!cookies());
        QVERIFY(m_mdi->isPanelVisible());
    }

    void anotherToolFromTheLauncherClosesBothForms()
    {
        // Leftover cookie forms would reappear the next time the tool opens.
        QTest::mouseClick(control<shell::PictureButton>(cookies(), "picTwo"), Qt::LeftButton);
        m_mdi->cmdSelectOption_Click(0);
        QVERIFY(!result());
        QVERIFY(!cookies());
    }

    void resultFormCarriesItsMenusAndHeading()
    {
        QTest::mouseClick(control<shell::PictureButton>(cookies(), "picTwo"), Qt::LeftButton);
        QCOMPARE(result()->Label2->text(), QStringLiteral("Your Fortune For Today"));
        QCOMPARE(result()->cmdOK->text(), QStringLiteral("&Back"));
        QCOMPARE(result()->cmdExit->text(), QStringLiteral("&Exit"));
        QCOMPARE(result()->findChild<QAction *>(QStringLiteral("mnuUpdate"))->text(),
                 QStringLiteral("&Check for Software Update"));
        QCOMPARE(cookies()->findChild<QAction *>(QStringLiteral("mnuUpdate"))->text(),
                 QStringLiteral("Check for Software &Update"));
        QCOMPARE(result()->pos(), placeOf(result()));
    }
};

QTEST_MAIN(TestFortuneWindows)
#include "tst_fortune_windows.moc"
