// Every window as a screen-reader or keyboard user meets it: names, links, pictures, mnemonics and Tab.
#include "fortune/frmFortuneCookieDisplay.h"
#include "fortune/frmFortuneCookieMain.h"
#include "iching/FrmIChingReading.h"
#include "iching/FrmIChingSoftwareMain.h"
#include "iching/frmIChingSoftwareStart.h"
#include "mahjong/frmMahjongOracleDisplay.h"
#include "mahjong/frmMahjongOracleMain.h"
#include "shell/frmAbout.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "shell/text_box.h"
#include "support/gui_test.h"
#include "tools.h"
#include "zodiac/frmChineseZodiacDisplay.h"
#include "zodiac/frmChineseZodiacMain.h"
#include "zodiac/frmChineseZodiacSave.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <tuple>

using namespace shell;
using testsupport::control;

namespace {

QString withoutMnemonics(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

// The label whose buddy the control is, if any: what a screen reader announces it by.
QLabel *buddyLabelOf(const QWidget *control)
{
    for (QLabel *label : control->window()->findChildren<QLabel *>()) {
        if (label->buddy() == control && !label->text().trimmed().isEmpty())
            return label;
    }
    return nullptr;
}

QString nameOf(const QWidget *control)
{
    if (!control->accessibleName().trimmed().isEmpty())
        return control->accessibleName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        const QString caption = withoutMnemonics(button->text()).trimmed();
        if (!caption.isEmpty())
            return caption;
    }
    if (const auto *link = qobject_cast<const ClickLabel *>(control))
        return link->text().trimmed();
    if (const QLabel *label = buddyLabelOf(control))
        return withoutMnemonics(label->text());
    return QString();
}

bool isOperated(const QWidget *control)
{
    if (const auto *label = qobject_cast<const ClickLabel *>(control))
        return label->isLink();
    return qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QLineEdit *>(control)
           || qobject_cast<const QComboBox *>(control) || qobject_cast<const QPlainTextEdit *>(control)
           || qobject_cast<const QTextEdit *>(control) || qobject_cast<const QCalendarWidget *>(control);
}

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(object);
    if (!found)
        qWarning("no accessible interface for %s", qPrintable(object->objectName()));
    return found;
}

// Counts the focus changes that reach what it watches.
class FocusSeen : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            ++count;
        return false;
    }
};

} // namespace

class TestAccessibility : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestAccessibility()
        : GuiTest(registerTools, QSize(1280, 1000))
    {
    }

protected:
    void afterLauncherClosed() override { delete m_about; }

private:
    QPointer<frmAbout> m_about;

    // Brings up a window the way a user reaches it and returns it; the launcher stands for itself.
    QWidget *open(const QString &window)
    {
        if (window == QLatin1String("frmMDI"))
            return m_mdi.get();
        if (window == QLatin1String("frmAbout")) {
            // Shown modeless here: the modal box would hold the test inside its own loop.
            m_about = new frmAbout(m_mdi.get());
            m_about->show();
            m_about->activateWindow();
            if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_about; }))
                qWarning("the About box did not become active");
            return m_about;
        }
        if (window == QLatin1String("frmIChingSoftwareStart")) {
            m_mdi->cmdSelectOption_Click(2);
            return tool<frmIChingSoftwareStart>();
        }
        if (window == QLatin1String("FrmIChingSoftwareMain"))
            return castIChing(6);
        if (window == QLatin1String("FrmIChingReading")) {
            castIChing(6)->cmdFullReading_Click();
            return tool<FrmIChingReading>();
        }
        if (window.startsWith(QLatin1String("frmChineseZodiac"))) {
            m_mdi->cmdSelectOption_Click(0);
            if (window == QLatin1String("frmChineseZodiacMain"))
                return tool<frmChineseZodiacMain>();
            control<QLineEdit>(tool<frmChineseZodiacMain>(), "txtName")->setText(QStringLiteral("Ada"));
            control<QRadioButton>(tool<frmChineseZodiacMain>(), QStringLiteral("optSex(%1)").arg(1))->setChecked(true);
            tool<frmChineseZodiacMain>()->cmdProceed_Click();
            if (window == QLatin1String("frmChineseZodiacDisplay"))
                return tool<frmChineseZodiacDisplay>();
            tool<frmChineseZodiacDisplay>()->cmdPrint_Click();
            return tool<frmChineseZodiacSave>();
        }
        if (window.startsWith(QLatin1String("frmFortuneCookie"))) {
            m_mdi->cmdSelectOption_Click(1);
            if (window == QLatin1String("frmFortuneCookieMain"))
                return tool<frmFortuneCookieMain>();
            tool<frmFortuneCookieMain>()->picOne_Click();
            return tool<frmFortuneCookieDisplay>();
        }
        if (window.startsWith(QLatin1String("frmMahjongOracle"))) {
            m_mdi->cmdSelectOption_Click(3);
            if (window == QLatin1String("frmMahjongOracleMain"))
                return tool<frmMahjongOracleMain>();
            // The first wind tile, so that the panel of associations shows too.
            m_fakes->random.values = {27.5 / 42};
            tool<frmMahjongOracleMain>()->cmdFindMajong_Click();
            return tool<frmMahjongOracleDisplay>();
        }
        qFatal("no way to open %s", qPrintable(window));
    }

    // The casting window, its question asked and the coins tossed that many times.
    FrmIChingSoftwareMain *castIChing(int tosses)
    {
        open(QStringLiteral("frmIChingSoftwareStart"));
        control<QLineEdit>(tool<frmIChingSoftwareStart>(), "txtName")->setText(QStringLiteral("Ada"));
        control<shell::TextBox>(tool<frmIChingSoftwareStart>(), "txtQuestion")
            ->setText(QStringLiteral("Will it rain?"));
        tool<frmIChingSoftwareStart>()->cmdProceed_Click();
        for (int toss = 0; toss < tosses; ++toss)
            tool<FrmIChingSoftwareMain>()->cmdToss_Click();
        return tool<FrmIChingSoftwareMain>();
    }

    // The controls that belong to this window; the launcher's leave out the tool windows inside it.
    static QList<QWidget *> controlsOf(QWidget *window)
    {
        QList<QWidget *> controls;
        const bool topLevel = window->isWindow();
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisible() || !isOperated(widget))
                continue;
            if (topLevel) {
                bool insideTool = widget->window() != window;
                for (QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget())
                    insideTool = insideTool || qobject_cast<QMdiSubWindow *>(up);
                if (insideTool)
                    continue;
            }
            controls << widget;
        }
        return controls;
    }

    // Presses Tab from the current focus until it comes round again, naming every stop.
    static QStringList tabStops(int limit = 60)
    {
        QStringList stops;
        QWidget *first = QApplication::focusWidget();
        if (!first)
            return stops;
        stops << first->objectName();
        for (int i = 0; i < limit; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *now = QApplication::focusWidget();
            if (!now || now == first)
                break;
            stops << now->objectName();
        }
        return stops;
    }

private slots:
    void initTestCase() { frmMahjongOracleMain::setDrawPause(0); }

    void everyControlAPersonUsesHasAName_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window :
             {"frmIChingSoftwareStart", "FrmIChingSoftwareMain", "FrmIChingReading", "frmChineseZodiacMain",
              "frmChineseZodiacDisplay", "frmChineseZodiacSave", "frmFortuneCookieMain", "frmFortuneCookieDisplay",
              "frmMahjongOracleMain", "frmMahjongOracleDisplay", "frmMDI", "frmAbout"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }

    void everyControlAPersonUsesHasAName()
    {
        // A control without a name is read out as "button" or "edit", and the user can't tell what it does.
        QFETCH(QString, window);
        QWidget *form = open(window);
        QStringList unnamed;
        const QList<QWidget *> controls = controlsOf(form);
        QVERIFY(!controls.isEmpty());
        for (QWidget *control : controls) {
            QAccessibleInterface *face = accessible(control);
            // A list's own name is its entry on some platforms, so it has to be labelled besides.
            const bool labelled = !nameOf(control).isEmpty();
            const bool spoken = face && !face->text(QAccessible::Name).trimmed().isEmpty();
            if (!labelled || !spoken)
                unnamed << QStringLiteral("%1 \"%2\"")
                               .arg(QLatin1String(control->metaObject()->className()), control->objectName());
        }
        QVERIFY2(unnamed.isEmpty(),
                 qPrintable(QStringLiteral("without a name: ") + unnamed.join(QStringLiteral(", "))));
    }

    void textsAreLinksExactlyWhereAPressLeadsSomewhere_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("isLink");
        // clang-format off
        QTest::newRow("launcher banner") << "frmMDI" << "lblOrrindelBanner" << true;
        QTest::newRow("launcher foot") << "frmMDI" << "Label7" << true;
        QTest::newRow("About home page") << "frmAbout" << "lblHomePage" << true;
        QTest::newRow("About branding") << "frmAbout" << "lblCoBrand" << true;
        QTest::newRow("tool banner") << "frmFortuneCookieMain" << "Label61" << true;
        QTest::newRow("Zodiac address") << "frmChineseZodiacMain" << "Label3" << true;
        QTest::newRow("sheet banner") << "frmChineseZodiacSave" << "Label1" << true;
        for (const auto &[index, what, isLink] : {std::tuple{3, "Zodiac caption", true}, {4, "Fortune caption", true},
                 {5, "I Ching caption", true}, {6, "Mahjong caption", true}, {0, "welcome is plain", false},
                 {1, "description is plain", false}, {2, "invitation is plain", false}})
            QTest::addRow("launcher %s", what) << "frmMDI" << QStringLiteral("lblCaption(%1)").arg(index) << isLink;
        // clang-format on
    }

    void textsAreLinksExactlyWhereAPressLeadsSomewhere()
    {
        // A link that reads as plain text, or that a screen reader can't press, is a dead end for its user;
        // offering a press on text that leads nowhere sends the user round in circles.
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(bool, isLink);
        auto *link = control<ClickLabel>(open(window), label);
        QAccessibleInterface *face = accessible(link);
        QVERIFY(face);
        QCOMPARE(face->role(), isLink ? QAccessible::Link : QAccessible::StaticText);
        QCOMPARE(face->text(QAccessible::Name), link->text());
        QAccessibleActionInterface *actions = face->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()), isLink);
        if (!isLink) {
            QCOMPARE(link->focusPolicy(), Qt::NoFocus);
            return;
        }
        QVERIFY(face->state().linked);

        QSignalSpy clicks(link, &ClickLabel::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks.count(), 1);

        // The keyboard reaches it and presses it too, for those who use no screen reader.
        if (link->isVisible()) {
            QVERIFY(link->focusPolicy() & Qt::TabFocus);
            link->setFocus();
            QTest::keyClick(link, Qt::Key_Return);
            QTest::keyClick(link, Qt::Key_Space);
            QCOMPARE(clicks.count(), 3);
        }
    }

    void mnemonicsPressTheirButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        // clang-format off
        QTest::newRow("launcher Exit") << "frmMDI" << "cmdMdiExit" << int(Qt::Key_E);
        QTest::newRow("About OK") << "frmAbout" << "cmdOK" << int(Qt::Key_O);
        QTest::newRow("question Next") << "frmIChingSoftwareStart" << "cmdProceed" << int(Qt::Key_N);
        QTest::newRow("question Exit") << "frmIChingSoftwareStart" << "cmdExit" << int(Qt::Key_E);
        QTest::newRow("casting Full Reading") << "FrmIChingSoftwareMain" << "cmdFullReading" << int(Qt::Key_R);
        QTest::newRow("reading Copy") << "FrmIChingReading" << "cmdCopy" << int(Qt::Key_C);
        QTest::newRow("reading Save") << "FrmIChingReading" << "cmdSave" << int(Qt::Key_S);
        QTest::newRow("entry Proceed") << "frmChineseZodiacMain" << "cmdProceed" << int(Qt::Key_P);
        QTest::newRow("entry Open") << "frmChineseZodiacMain" << "cmdOpen" << int(Qt::Key_O);
        QTest::newRow("result Back") << "frmChineseZodiacDisplay" << "cmdBack" << int(Qt::Key_B);
        QTest::newRow("result Print") << "frmChineseZodiacDisplay" << "cmdPrint" << int(Qt::Key_P);
        QTest::newRow("result Exit") << "frmChineseZodiacDisplay" << "cmdExit" << int(Qt::Key_X);
        QTest::newRow("sheet Save") << "frmChineseZodiacSave" << "cmdSave" << int(Qt::Key_S);
        QTest::newRow("sheet Print") << "frmChineseZodiacSave" << "cmdPrint" << int(Qt::Key_P);
        QTest::newRow("fortune Back") << "frmFortuneCookieDisplay" << "cmdOK" << int(Qt::Key_B);
        QTest::newRow("fortune Exit") << "frmFortuneCookieDisplay" << "cmdExit" << int(Qt::Key_E);
        QTest::newRow("mahjong Back") << "frmMahjongOracleDisplay" << "cmdOK" << int(Qt::Key_B);
        QTest::newRow("mahjong Exit") << "frmMahjongOracleDisplay" << "cmdExit" << int(Qt::Key_E);
        // clang-format on
    }

    void mnemonicsPressTheirButton()
    {
        // Alt and the underlined letter must press that button, not merely move the focus to some other one.
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
#ifdef Q_OS_WIN
        if (window == QLatin1String("frmChineseZodiacSave") && button == QLatin1String("cmdPrint"))
            QSKIP("prints for real, and Wine's own PostScript driver crashes loading the sheet's font; Linux runs it");
#endif
        QWidget *form = open(window);
        auto *target = form->findChild<QAbstractButton *>(button);
        QVERIFY2(target && target->isVisible(), qPrintable(button));
        QSignalSpy clicks(target, &QAbstractButton::clicked);
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : form;
        QTest::keyClick(focus, Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(clicks.count(), 1);
    }

    void menuMnemonicsOpenTheMenuOfTheWindowInUse_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("menu");
        QTest::newRow("launcher File") << "frmMDI" << int(Qt::Key_F) << "mnuFile";
        QTest::newRow("launcher Help") << "frmMDI" << int(Qt::Key_H) << "mnuHelp";
        QTest::newRow("question File") << "frmIChingSoftwareStart" << int(Qt::Key_F) << "mnuFile";
        QTest::newRow("result Help") << "frmChineseZodiacDisplay" << int(Qt::Key_H) << "mnuHelp";
        QTest::newRow("fortune File") << "frmFortuneCookieDisplay" << int(Qt::Key_F) << "mnuFile";
        QTest::newRow("mahjong Help") << "frmMahjongOracleMain" << int(Qt::Key_H) << "mnuHelp";
    }

    void menuMnemonicsOpenTheMenuOfTheWindowInUse()
    {
        // The launcher and the tool both have a File and a Help menu: Alt+F in a tool must open the tool's,
        // every time, not the launcher's every other time.
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(QString, menu);
        QWidget *form = open(window);
        auto *expected = control<QMenu>(form, menu);
        if (form == m_mdi.get())
            QCOMPARE(expected->parentWidget(), m_mdi->menuBar());
        for (int press = 0; press < 2; ++press) {
            QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : form;
            QTest::keyClick(focus, Qt::Key(key), Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QVERIFY2(QApplication::activePopupWidget() == expected,
                     qPrintable(QStringLiteral("press %1 opened the menu of %2")
                                    .arg(press + 1)
                                    .arg(QApplication::activePopupWidget()->parentWidget()->window()->objectName())));
            expected->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
        }
    }

    void aMenuIsNoChangeOfWindowToAScreenReader()
    {
        // A menu grabs the keyboard as it opens and gives it back as it closes; the window system reports
        // each as the launcher's window losing or gaining the focus, Qt tells the screen reader the window
        // became active, and Orca said «Tavrenne v1.25 frame.» over the File menu. The launcher is the
        // active window throughout: those reports must not reach its window. A window that is not the active
        // one and gains the focus is a real change, and still does.
        m_mdi->cmdSelectOption_Click(1);
        QWidget other;
        other.setAttribute(Qt::WA_ShowWithoutActivating);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        m_mdi->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_mdi.get());
        const auto focusReports = [](QWindow *window, Qt::FocusReason reason) {
            FocusSeen seen;
            window->installEventFilter(&seen);
            QFocusEvent out(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(window, &out);
            QFocusEvent in(QEvent::FocusIn, reason);
            QCoreApplication::sendEvent(window, &in);
            return seen.count;
        };
        QCOMPARE(focusReports(m_mdi->windowHandle(), Qt::PopupFocusReason), 0);
        QCOMPARE(focusReports(m_mdi->windowHandle(), Qt::ActiveWindowFocusReason), 0);
        QCOMPARE(focusReports(other.windowHandle(), Qt::ActiveWindowFocusReason), 2);
    }

    void picturesThatActAsButtonsAnswerTheKeyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("key");
        for (const auto &[key, keyName] : {std::pair{Qt::Key_Space, "Space"}, {Qt::Key_Return, "Enter"}}) {
            for (const char *cookie : {"picOne", "picTwo", "picThree"})
                QTest::addRow("%s %s", cookie, keyName) << "frmFortuneCookieMain" << cookie << int(key);
            QTest::addRow("tiles %s", keyName) << "frmMahjongOracleMain" << QString("cmdFindMajong") << int(key);
        }
    }

    void picturesThatActAsButtonsAnswerTheKeyboard()
    {
        // A picture only a mouse can press shuts keyboard and screen-reader users out of the tool.
        QFETCH(QString, window);
        QFETCH(QString, picture);
        QFETCH(int, key);
        QWidget *form = open(window);
        auto *button = control<PictureButton>(form, picture);
        QAccessibleInterface *face = accessible(button);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
        button->setFocus();
        QVERIFY(button->hasFocus());
        QSignalSpy clicks(button, &PictureButton::clicked);
        QTest::keyClick(button, Qt::Key(key));
        QTRY_COMPARE(clicks.count(), 1);
    }

    void picturesWithMeaningAreImagesAndDecorationIsSilent_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("name");
        // clang-format off
        QTest::newRow("launcher icon") << "frmMDI" << "Picture2" << "Chinese Zodiac";
        QTest::newRow("About emblem") << "frmAbout" << "Picture1" << "Tavrenne";
        QTest::newRow("opened cookie") << "frmFortuneCookieDisplay" << "picBrokenOne" << "Opened fortune cookie";
        QTest::newRow("drawn tile") << "frmMahjongOracleDisplay" << "picMajong" << "The drawn tile";
        QTest::newRow("question decoration") << "frmIChingSoftwareStart" << "Picture1" << "";
        QTest::newRow("entry emblem") << "frmChineseZodiacMain" << "picEmblem" << "";
        // clang-format on
    }

    void picturesWithMeaningAreImagesAndDecorationIsSilent()
    {
        // A named picture a screen reader skips loses its meaning; an unnamed one it stops at is noise.
        QFETCH(QString, window);
        QFETCH(QString, picture);
        QFETCH(QString, name);
        QWidget *form = open(window);
        auto *box = control<PictureBox>(form, picture);
        QAccessibleInterface *face = accessible(box);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(face->role(), name.isEmpty() ? QAccessible::Client : QAccessible::Graphic);
    }

    void coinsReadTheFaceTheyShow()
    {
        // Coins that keep saying "Coin 1" leave a screen-reader user unable to follow the toss.
        FrmIChingSoftwareMain *casting = castIChing(0);
        QVERIFY(casting);
        const auto coin = [casting](int index) {
            return accessible(control<shell::PictureBox>(casting, QStringLiteral("picCoin(%1)").arg(index)));
        };
        QCOMPARE(coin(0)->role(), QAccessible::Graphic);
        m_fakes->random.values = {0.9, 0.1, 0.9, 0.1, 0.1, 0.1};
        const QList<QStringList> tosses{{"Coin 1: heads", "Coin 2: tails", "Coin 3: heads"},
                                        {"Coin 1: tails", "Coin 2: tails", "Coin 3: tails"}};
        for (const QStringList &faces : tosses) {
            casting->cmdToss_Click();
            for (int index = 0; index < 3; ++index)
                QCOMPARE(coin(index)->text(QAccessible::Name), faces[index]);
        }
    }

    void aResultTakesTheFocusAndSaysItselfInOrder()
    {
        // A result the focus never reaches is never read out: the user hears "Back" and has to hunt for it.
        m_fakes->random.values = {0.5};
        auto *fortune = qobject_cast<frmFortuneCookieDisplay *>(open(QStringLiteral("frmFortuneCookieDisplay")));
        QVERIFY(fortune);
        QCOMPARE(QApplication::focusWidget(), fortune->lblFortuneMassage);
        QVERIFY(!fortune->lblFortuneMassage->text().isEmpty());
        QCOMPARE(accessible(fortune->lblFortuneMassage)->text(QAccessible::Name), fortune->lblFortuneMassage->text());
        QCOMPARE(buddyLabelOf(fortune->lblFortuneMassage), fortune->Label2);

        // The tile's picture is the reading, each heading before its value, as read down the form; a panel
        // read as all headings, then all values, pairs nothing.
        m_fakes->random.values = {34.5 / 42}; // Seasons Autumn, with its panel
        m_mdi->cmdSelectOption_Click(3);
        tool<frmMahjongOracleMain>()->cmdFindMajong_Click();
        auto *tile = tool<frmMahjongOracleDisplay>();
        QVERIFY(tile);
        QCOMPARE(QApplication::focusWidget(), tile->picMajong);
        QVERIFY(tile->picMajong->focusPolicy() & Qt::TabFocus);
        QString about = tile->lblDescription->text();
        QVERIFY(!about.isEmpty());
        if (!about.endsWith(QLatin1Char('.')))
            about += QLatin1Char('.');
        QCOMPARE(accessible(tile->picMajong)->text(QAccessible::Description),
                 QStringLiteral("English Name: Seasons Autumn. Name: Seasons Autumn. Chinese Character: Keng. "
                                "About Your Mahjong: %1 Player: West Wind. Representation: Farmer. "
                                "Flower: Chrysanthemum. Color: White. Element: Metal.")
                     .arg(about));
    }

    void theWaitHoldsTheFocusOnPleaseWait()
    {
        // With the tiles hidden the focus would fall to the next link, which a second Enter opens.
        auto *draw = qobject_cast<frmMahjongOracleMain *>(open(QStringLiteral("frmMahjongOracleMain")));
        QVERIFY(draw);
        draw->cmdFindMajong->setFocus();
        frmMahjongOracleMain::setDrawPause(1);
        QString during = QStringLiteral("(nothing on screen)");
        QTimer::singleShot(300, draw, [&during] {
            QWidget *focus = QApplication::focusWidget();
            if (focus && focus->isVisible())
                during = focus->objectName() + QLatin1Char(' ') + accessible(focus)->text(QAccessible::Name);
        });
        draw->cmdFindMajong_Click();
        frmMahjongOracleMain::setDrawPause(0);
        QCOMPARE(during, QStringLiteral("pi Please Wait"));
    }

    void aKeyOfTheLauncherNeverActsWhileAToolIsInUse_data()
    {
        QTest::addColumn<QString>("window");
        // The screens that have no Exit of their own under Alt+E.
        for (const char *window :
             {"frmFortuneCookieMain", "frmMahjongOracleMain", "FrmIChingSoftwareMain", "frmChineseZodiacMain"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }

    void aKeyOfTheLauncherNeverActsWhileAToolIsInUse()
    {
        // The launcher's Exit stands below the tool, but Alt+E there would end the whole program unasked.
        QFETCH(QString, window);
        const QPointer<QWidget> form = window == QLatin1String("FrmIChingSoftwareMain") ? castIChing(0) : open(window);
        QVERIFY(form);
        QTRY_VERIFY(form->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(m_fakes->process.ends, 0);
        QVERIFY(form && form->isVisible());
    }

    void returnAndEnterPressTheFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("launcher tool, Return") << "frmMDI"
                                               << "cmdSelectOption(1)" << int(Qt::Key_Return);
        QTest::newRow("launcher tool, Enter") << "frmMDI"
                                              << "cmdSelectOption(3)" << int(Qt::Key_Enter);
        QTest::newRow("fortune Back, Return") << "frmFortuneCookieDisplay"
                                              << "cmdOK" << int(Qt::Key_Return);
        QTest::newRow("tile Exit, Enter") << "frmMahjongOracleDisplay"
                                          << "cmdExit" << int(Qt::Key_Enter);
        QTest::newRow("question Next, Return") << "frmIChingSoftwareStart"
                                               << "cmdProceed" << int(Qt::Key_Return);
    }

    void returnAndEnterPressTheFocusedButton()
    {
        // Return on a focused button doing nothing leaves users who press with it stuck.
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        auto *target = control<QAbstractButton>(open(window), button);
        target->setFocus();
        QSignalSpy pressed(target, &QAbstractButton::clicked);
        QTest::keyClick(target, Qt::Key(key));
        QTRY_COMPARE(pressed.count(), 1);
    }

    void closingAToolPutsTheFocusBackOnWhatOpenedIt_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        QTest::newRow("cookies, close box") << "cmdSelectOption(1)"
                                            << "frmFortuneCookieMain"
                                            << "close";
        QTest::newRow("cookies, Ctrl+F4") << "cmdSelectOption(1)"
                                          << "frmFortuneCookieMain"
                                          << "ctrl+F4";
        QTest::newRow("fortune, Exit") << "cmdSelectOption(1)"
                                       << "frmFortuneCookieDisplay"
                                       << "cmdExit";
        QTest::newRow("tiles by link, Ctrl+W") << "lblCaption(6)"
                                               << "frmMahjongOracleMain"
                                               << "ctrl+W";
        QTest::newRow("tile, Ctrl+F4") << "cmdSelectOption(3)"
                                       << "frmMahjongOracleDisplay"
                                       << "ctrl+F4";
        QTest::newRow("Zodiac entry, Ctrl+F4") << "cmdSelectOption(0)"
                                               << "frmChineseZodiacMain"
                                               << "ctrl+F4";
    }

    void closingAToolPutsTheFocusBackOnWhatOpenedIt()
    {
        // Back at the launcher with the focus nowhere, a keyboard user must Tab to get anywhere and a screen
        // reader says nothing. Ctrl+F4 closes a child window as Ctrl+W does.
        QFETCH(QString, opener);
        QFETCH(QString, window);
        QFETCH(QString, how);
        auto *choice = control<QWidget>(m_mdi.get(), opener);
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Return);
        QTRY_VERIFY(!m_mdi->windows().openWindows().empty());
        if (window == QLatin1String("frmFortuneCookieDisplay"))
            tool<frmFortuneCookieMain>()->picOne_Click();
        if (window == QLatin1String("frmMahjongOracleDisplay"))
            tool<frmMahjongOracleMain>()->cmdFindMajong_Click();
        auto *form = m_mdi->findChild<ToolWindow *>(window);
        QVERIFY(form && form->isVisible());
        QTRY_VERIFY(form->isAncestorOf(QApplication::focusWidget()));
        const QPointer<ToolWindow> closing(form);
        if (how.startsWith(QLatin1String("ctrl+")))
            QTest::keyClick(QApplication::focusWidget(), how.endsWith(QLatin1String("F4")) ? Qt::Key_F4 : Qt::Key_W,
                            Qt::ControlModifier);
        else
            testsupport::press(form, how);
        QTRY_VERIFY(!closing || !closing->isVisible());
        QVERIFY(m_mdi->isPanelVisible());
        QTRY_COMPARE(QApplication::focusWidget(), choice);
    }

    void theLauncherOpensReadyForTheKeyboardAndAScreenReader()
    {
        // The focus mark shows from the start, not after a first Tab; the welcome is read with the window; and
        // the area that holds the tools is no "layered pane" announced on opening each one.
        QWidget *first = toolButton(0);
        QCOMPARE(QApplication::focusWidget(), first);
        QStyleOptionButton look;
        look.initFrom(first);
        QVERIFY(look.state & QStyle::State_HasFocus);
        QVERIFY(look.state & QStyle::State_KeyboardFocusChange);
        const QString welcome = accessible(m_mdi.get())->text(QAccessible::Description);
        for (int index : {0, 1, 2})
            QVERIFY2(welcome.contains(caption(index)->text()), qPrintable(caption(index)->text()));
        QAccessibleInterface *area = accessible(m_mdi->mdiArea());
        QVERIFY(area->role() != QAccessible::LayeredPane);
        m_mdi->cmdSelectOption_Click(1);
        QCOMPARE(area->childCount(), 1);
        QCOMPARE(area->child(0)->object(), tool<frmFortuneCookieMain>());
    }

    void birthDateListsSayWhatTheyHoldAndTheirEntry_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("holds");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("day") << "cboDate"
                             << "Birth Day"
                             << "1"
                             << "2";
        QTest::newRow("month") << "cboMonth"
                               << "Birth Month"
                               << "January"
                               << "February";
        QTest::newRow("year") << "cboYear"
                              << "Birth Year"
                              << "1936"
                              << "1937";
    }

    void birthDateListsSayWhatTheyHoldAndTheirEntry()
    {
        // Qt on Linux names a list by its entry, so "1936" alone was spoken: a label says it is the year of birth.
        // Orca read neither the entry nor an arrow key's change of it.
        QFETCH(QString, list);
        QFETCH(QString, holds);
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto *entry = qobject_cast<frmChineseZodiacMain *>(open(QStringLiteral("frmChineseZodiacMain")));
        QVERIFY(entry);
        auto *box = control<QComboBox>(entry, list);
        QAccessibleInterface *face = accessible(box);
        QStringList labels;
        for (const auto &[label, relation] : face->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        // The frame around the lists labels them too, after their own label.
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first(), holds);
        QCOMPARE(face->text(QAccessible::Description), first);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), second);
        QCOMPARE(face->text(QAccessible::Description), second);
        const auto *told = entry->findChild<QWidget *>(QStringLiteral("announcement"));
        QVERIFY(told && told->isVisible());
        QCOMPARE(told->accessibleName(), second);
        QCOMPARE(buddyLabelOf(control<QLineEdit>(entry, "txtName")), control<QLabel>(entry, "Label1"));
    }

    void readingBoxesGiveTheirWholeTextAsTheLineTabbedTo_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::newRow("result sheet") << "frmChineseZodiacSave"
                                      << "RTB";
        QTest::newRow("judgement") << "FrmIChingSoftwareMain"
                                   << "txtJudgement";
        QTest::newRow("traits") << "frmChineseZodiacDisplay"
                                << "txtPositiveTraits";
        QTest::newRow("ruling planet") << "frmChineseZodiacDisplay"
                                       << "txtRulingPlanet";
    }

    void readingBoxesGiveTheirWholeTextAsTheLineTabbedTo()
    {
        // A screen reader reads the line it lands on: of a reading box that was its first line, and of the
        // result sheet, which Qt makes a label, nothing but its name. Orca joins the runs of text attributes
        // into what it speaks: runs of no length, Qt's own answer, lost the last letter ("Uranu").
        QFETCH(QString, window);
        QFETCH(QString, box);
        auto *reading = control<QWidget>(open(window), box);
        QAccessibleInterface *face = accessible(reading);
        QCOMPARE(face->role(), QAccessible::EditableText);
        QVERIFY(face->state().readOnly);
        QCOMPARE(bool(face->state().multiLine), !qobject_cast<QLineEdit *>(reading));
        QAccessibleTextInterface *text = face->textInterface();
        QVERIFY(text);
        int start = -1;
        int end = -1;
        const QString line = text->textAtOffset(text->characterCount() / 2, QAccessible::LineBoundary, &start, &end);
        QVERIFY(!line.isEmpty());
        QCOMPARE(line, text->text(0, -1));
        QCOMPARE(std::pair(start, end), std::pair(0, text->characterCount()));
        text->attributes(1, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, text->characterCount()));
    }

    void aBoxAScreenReaderKnewBeforeStillReadsWhole()
    {
        // A name set before the box is marked tells a screen reader of it, and Qt keeps the view it made then.
        TextBox box;
        box.setAccessibleName(QStringLiteral("Told of early"));
        QVERIFY(accessible(&box));
        box.setText(QStringLiteral("one\r\ntwo"));
        box.setReadOnly(true);
        readWhole(&box);
        QAccessibleInterface *face = accessible(&box);
        QVERIFY(face && face->textInterface());
        int start = -1;
        int end = -1;
        QCOMPARE(face->textInterface()->textAtOffset(0, QAccessible::LineBoundary, &start, &end),
                 QStringLiteral("one\ntwo"));
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Told of early"));
    }

    void tabFollowsTheScreen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("readings");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("order");
        // clang-format off
        QTest::newRow("launcher") << "frmMDI" << false << "cmdSelectOption(0)"
                                  << QStringList{"cmdSelectOption(0)", "cmdSelectOption(2)", "cmdSelectOption(1)",
                                                 "cmdSelectOption(3)", "lblCaption(3)",      "lblCaption(5)",
                                                 "lblCaption(4)",      "lblCaption(6)",      "cmdMdiExit",
                                                 "Label7",             "lblOrrindelBanner"};
        QTest::newRow("About") << "frmAbout" << false << "cmdOK" << QStringList{"cmdOK", "lblHomePage", "lblCoBrand"};
        QTest::newRow("question") << "frmIChingSoftwareStart" << false << "txtName"
                                  << QStringList{"txtName", "txtQuestion", "cmdExit", "cmdProceed"};
        QTest::newRow("casting") << "FrmIChingSoftwareMain" << true << "txtJudgement"
                                 << QStringList{"txtJudgement", "txtImage", "txtChangeLines", "cmdExit(1)",
                                                "cmdStartAgain"};
        QTest::newRow("full reading") << "FrmIChingReading" << false << "txtReading"
                                      << QStringList{"txtReading", "cmdCopy", "cmdSave", "cmdPrint", "cmdClose"};
        QTest::newRow("entry") << "frmChineseZodiacMain" << false << "txtName"
                               << QStringList{"txtName", "optSex(0)", "cboDate", "cboMonth", "cboYear", "cmdProceed",
                                              "cmdOpen"};
        QTest::newRow("result") << "frmChineseZodiacDisplay" << true << "MV"
                                << QStringList{"txtRulingPlanet", "txtGemStone", "txtMostCompSign", "txtLeastCompSign",
                                               "txtLuckyColor", "txtEnergy", "txtLuckySeason", "txtLuckyMonth",
                                               "txtPositiveTraits", "txtNegativeTraits", "txtFamousPersons", "cmdBack",
                                               "cmdPrint", "cmdExit"};
        QTest::newRow("sheet") << "frmChineseZodiacSave" << false << "cmdSave" << QStringList{"cmdSave", "cmdPrint"};
        QTest::newRow("cookies") << "frmFortuneCookieMain" << false << "picTwo"
                                 << QStringList{"picTwo", "picOne", "picThree"};
        QTest::newRow("fortune") << "frmFortuneCookieDisplay" << false << "lblFortuneMassage"
                                 << QStringList{"lblFortuneMassage", "cmdOK", "cmdExit"};
        QTest::newRow("tiles") << "frmMahjongOracleMain" << false << "cmdFindMajong"
                               << QStringList{"cmdFindMajong", "Label61", "lblFullBrand", "lblCobrand"};
        QTest::newRow("mahjong") << "frmMahjongOracleDisplay" << false << "picMajong"
                                 << QStringList{"picMajong", "cmdOK", "cmdExit"};
        // clang-format on
    }

    void tabFollowsTheScreen()
    {
        // Tab jumping about the window, or caught in a text box, loses the keyboard user's place; and a reading
        // box the keyboard can't move through can only be read with a mouse or not at all.
        QFETCH(QString, window);
        QFETCH(bool, readings);
        QFETCH(QString, start);
        QFETCH(QStringList, order);
        QWidget *form = open(window);
        auto *first = form->findChild<QWidget *>(start);
        if (!first && form->objectName() == start)
            first = form;
        QVERIFY2(first, qPrintable(start));
        first->setFocus(Qt::TabFocusReason);
        QVERIFY2(first->hasFocus(), qPrintable(start));
        const QWidget *began = QApplication::focusWidget();
        const QStringList stops = tabStops();
        // Round once, Tab comes back to where it began: a stop on the window's own frame hands the focus on
        // to its first control unseen, and the next Tab skips that control.
        QVERIFY2(QApplication::focusWidget() == began, qPrintable(stops.join(QLatin1Char(' '))));
        QVERIFY2(!stops.contains(form->objectName()) || form == m_mdi.get(), qPrintable(stops.join(QLatin1Char(' '))));
        qsizetype at = 0;
        for (const QString &stop : stops) {
            if (at < order.size() && stop == order[at])
                ++at;
        }
        QVERIFY2(at == order.size(), qPrintable(QStringLiteral("expected in order %1, went %2")
                                                    .arg(order.join(QLatin1Char(' ')), stops.join(QLatin1Char(' ')))));
        const QList<QPlainTextEdit *> boxes = form->findChildren<QPlainTextEdit *>();
        QVERIFY(!readings || !boxes.isEmpty());
        for (QPlainTextEdit *box : boxes) {
            // Tab moved on and typed nothing on the way.
            QVERIFY2(!box->toPlainText().contains(QLatin1Char('\t')), qPrintable(box->objectName()));
            QVERIFY2(box->focusPolicy() & Qt::TabFocus, qPrintable(box->objectName()));
            QVERIFY2(box->textInteractionFlags() & Qt::TextSelectableByKeyboard, qPrintable(box->objectName()));
            QVERIFY2(box->tabChangesFocus(), qPrintable(box->objectName()));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
