// The I Ching windows: question entry, the name filter, tossing, the reading, Start Again and Exit.
#include "iching/FrmIChingReading.h"
#include "iching/FrmIChingSoftwareMain.h"
#include "iching/coin_pictures.h"
#include "iching/figure_line.h"
#include "iching/frmIChingSoftwareStart.h"
#include "iching/hexagram_lines.h"
#include "iching/iching_windows.h"
#include "shell/picture_box.h"
#include "shell/text_box.h"
#include "shell/twips.h"
#include "support/gui_test.h"
#include "support/print_queue.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace shell;
using testsupport::addWays;
using testsupport::control;
using testsupport::press;
using testsupport::verifyShows;

namespace {

// A window frame of a chosen thickness, as different platforms draw them.
struct FrameStyle : QProxyStyle
{
    int border = 0;
    int titleBar = 0;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_MdiSubWindowFrameWidth)
            return border;
        if (metric == PM_TitleBarHeight)
            return titleBar;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

class TestIChingWindows : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestIChingWindows()
        : GuiTest(iching::registerWindows, QSize(1200, 900))
    {
    }

protected:
    void beforeLauncher() override
    {
        iching::setPicturesFolder(QString());
        frmIChingSoftwareStart::userName.clear();
        frmIChingSoftwareStart::userQuestion.clear();
    }
    void afterLauncherClosed() override { iching::setPicturesFolder(QString()); }

private:
    frmIChingSoftwareStart *question() { return tool<frmIChingSoftwareStart>(); }
    FrmIChingSoftwareMain *casting() { return tool<FrmIChingSoftwareMain>(); }

    void openTool() { m_mdi->cmdSelectOption_Click(2); }

    void ask(const QString &name, const QString &text, const QString &next = QStringLiteral("cmdProceed"))
    {
        control<QLineEdit>(question(), "txtName")->setText(name);
        control<shell::TextBox>(question(), "txtQuestion")->setText(text);
        press(question(), next);
    }

    // Each toss takes three draws; a draw above one half is heads.
    void tossAll(std::initializer_list<int> values)
    {
        for (int value : values) {
            for (int coin = 0; coin < 3; ++coin)
                m_fakes->random.values.push_back(coin < value - 6 ? 0.9 : 0.1);
            press(casting(), QStringLiteral("cmdToss"));
        }
    }

    FrmIChingReading *fullReading() { return tool<FrmIChingReading>(); }

    // A finished cast of Ann's with line 3 alone changing: 21 Biting Through into 30 The Clinging.
    void castBitingThrough()
    {
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        tossAll({7, 8, 6, 7, 8, 7});
    }

    void openFullReading()
    {
        castBitingThrough();
        press(casting(), QStringLiteral("cmdFullReading"));
        QVERIFY(fullReading() && fullReading()->isVisible());
    }

    // The twelve line labels: the figure as cast, then the one it changes into.
    QStringList figure()
    {
        QStringList lines;
        for (int n = 1; n <= 12; ++n)
            lines << casting()->label(n)->text();
        return lines;
    }

private slots:
    void openingShowsTheEmptyFormAndReminds_data()
    {
        addWays({{"button", "cmdSelectOption(2)"}, {"caption", "lblCaption(5)"}});
    }

    void openingShowsTheEmptyFormAndReminds()
    {
        // The casting window opens, presses Start Again and hands over without flashing the panel. The second
        // chance to remind must not be lost when the program stays open for weeks.
        QFETCH(QString, how);
        const auto open = [&] { QTest::mouseClick(control<QWidget>(m_mdi.get(), how), Qt::LeftButton); };
        open();
        QVERIFY(question() && question()->isVisible());
        QVERIFY(!casting());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(question()->windowTitle(), QStringLiteral("Qelvo I Ching Software"));
        verifyShows(question(), {{"txtName", ""}, {"txtQuestion", ""}});
        QCOMPARE(question()->pos(), placeOf(question()));
        QCOMPARE(m_fakes->settings.values.size(), size_t(1));
        QVERIFY(m_fakes->messages.shown.empty());
        m_fakes->clock.current = m_fakes->clock.current.addDays(20);
        open();
        QCOMPARE(m_fakes->messages.shown.size(), size_t(1));
        QVERIFY(m_fakes->messages.shown.front().text.startsWith(QStringLiteral("There maybe an update")));
        QVERIFY(question() && question()->isVisible());
    }

    void nameTakesOnlyLettersAndBlanksHoweverEntered_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("refusals");
        // clang-format off
        QTest::newRow("typed letters and blanks")   << "typed"        << ""   << "Ann Lee"       << "Ann Lee" << 0;
        QTest::newRow("typed digit")                << "typed"        << ""   << "Bo5"           << "Bo"      << 1;
        QTest::newRow("typed punctuation")          << "typed"        << ""   << "O'Neil"        << "ONeil"   << 1;
        QTest::newRow("typed accented letter")      << "typed"        << ""   << "Zo\u00eb"      << "Zo"      << 1;
        QTest::newRow("selection paste of digits")  << "selection"    << "Al" << "What 123 next" << "Al"      << 1;
        QTest::newRow("selection paste of letters") << "selection"    << "Al" << " Lee"          << "Al Lee"  << 0;
        QTest::newRow("clipboard paste")            << "clipboard"    << "Al" << "O'Neil"        << "Al"      << 1;
        QTest::newRow("drop of digits")             << "drop"         << "Al" << "What 123 next" << "Al"      << 1;
        QTest::newRow("drop of letters")            << "drop"         << "Al" << "Lee"           << "AlLee"   << 0;
        QTest::newRow("input method word")          << "input method" << "Al" << "\u674e"        << "Al"      << 1;
        QTest::newRow("input method letters")       << "input method" << "Al" << "an"            << "Alan"    << 0;
        QTest::newRow("Enter and Ctrl+V keys")      << "keys"         << "Al" << ""              << "Al"      << 2;
        QTest::newRow("screen reader digit")        << "accessible"   << "Eve" << "7"            << "Eve"     << 1;
        QTest::newRow("screen reader letters")      << "accessible"   << "Eve" << "ly"           << "Evely"   << 0;
        // clang-format on
    }

    void nameTakesOnlyLettersAndBlanksHoweverEntered()
    {
        // A name of anything but letters would not match what the reading expects, however it got in; Enter and
        // Ctrl+V are characters too. After a refusal the box must still edit and hand on the focus as usual.
        QFETCH(QString, way);
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QFETCH(int, refusals);
        openTool();
        auto *name = control<QLineEdit>(question(), "txtName");
        name->setFocus();
        QTest::keyClicks(name, before);
        QMimeData dragged;
        dragged.setText(text);
        if (way == QLatin1String("typed")) {
            // Each character as a key press carrying that text, accented letters included.
            for (const QChar c : text) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(name, &press);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(name, &release);
            }
        } else if (way == QLatin1String("selection")) {
            // What a middle click does where the window system has a selection to paste.
            if (QGuiApplication::clipboard()->supportsSelection()) {
                QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
                QTest::mouseClick(name, Qt::MiddleButton, {}, name->rect().center());
            } else {
                name->insert(text);
            }
        } else if (way == QLatin1String("clipboard")) {
            QGuiApplication::clipboard()->setText(text);
            name->paste();
        } else if (way == QLatin1String("keys")) {
            QTest::keyClick(name, Qt::Key_Return);
            QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        } else if (way == QLatin1String("drop")) {
            // A drop reaches only the control that took the drag as it entered. Text dragged from the question
            // box comes as a move: a refused drop taken as one would remove it there.
            const QPoint end(name->width() - 2, name->height() / 2);
            QDragEnterEvent enter(end, Qt::CopyAction | Qt::MoveAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(name, &enter);
            QDropEvent drop(end, Qt::CopyAction | Qt::MoveAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            drop.setDropAction(Qt::MoveAction);
            QApplication::sendEvent(name, &drop);
            if (refusals > 0)
                QVERIFY(!drop.isAccepted() || drop.dropAction() == Qt::IgnoreAction);
        } else if (way == QLatin1String("accessible")) {
            // An on-screen keyboard or dictation inserts through the accessibility interface, past the keys.
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(name);
            QVERIFY(box && box->editableTextInterface());
            box->editableTextInterface()->insertText(int(before.size()), text);
        } else {
            QInputMethodEvent composed;
            composed.setCommitString(text);
            QApplication::sendEvent(name, &composed);
        }
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), kept);
        QCOMPARE(m_fakes->messages.texts(), QStringList(refusals, QStringLiteral("Please Enter Only Characters")));
        for (const auto &box : m_fakes->messages.shown) {
            QCOMPARE(box.icon, MessageIcon::None);
            QCOMPARE(box.title, QStringLiteral("Tavrenne"));
        }
        QVERIFY(name->hasFocus());
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), kept.chopped(1));
        QTest::keyClicks(name, QStringLiteral("x"));
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), kept.chopped(1) + QLatin1Char('x'));
        QTest::keyClick(name, Qt::Key_Tab);
        QVERIFY(control<shell::TextBox>(question(), "txtQuestion")->hasFocus());
        QCOMPARE(int(m_fakes->messages.shown.size()), refusals);
    }

    void nextAsksForTheNameFirstAndTakesABlankOne_data() { addWays({{"button", "cmdProceed"}, {"menu", "mnuNext"}}); }

    void nextAsksForTheNameFirstAndTakesABlankOne()
    {
        // With both boxes empty only the name is asked for, and the focus goes where the gap is. The emptiness
        // test is on the text as typed; the stored name is trimmed.
        QFETCH(QString, how);
        const bool byMenu = how == QLatin1String("mnuNext");
        openTool();
        press(question(), how);
        QCOMPARE(m_fakes->messages.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QCOMPARE(m_fakes->messages.shown.back().icon, byMenu ? MessageIcon::None : MessageIcon::Information);
        QVERIFY(control<QLineEdit>(question(), "txtName")->hasFocus());
        control<QLineEdit>(question(), "txtName")->setText(QStringLiteral("   "));
        press(question(), how);
        QCOMPARE(m_fakes->messages.shown.back().text, QStringLiteral("Please Enter Your Question"));
        QVERIFY(control<shell::TextBox>(question(), "txtQuestion")->hasFocus());
        QVERIFY(!casting());
        control<shell::TextBox>(question(), "txtQuestion")->setText(QStringLiteral("  Will it rain?  "));
        press(question(), how);
        QVERIFY(casting() && casting()->isVisible());
        QCOMPARE(frmIChingSoftwareStart::userName, QString());
        QCOMPARE(control<shell::TextBox>(casting(), "txtUserInfo")->text(),
                 QStringLiteral("Name: \r\n\r\nQuestion: Will it rain?"));
        QCOMPARE(question() != nullptr, byMenu);
        QVERIFY(!m_mdi->isPanelVisible());
    }

    void nextByMenuKeepsTheQuestionFormForStartAgain()
    {
        // The menu hides the form, so its texts come back; the button closes it, so they don't.
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Shall I travel?"), QStringLiteral("mnuNext"));
        QVERIFY(question() && !question()->isVisible());
        QVERIFY(casting()->isVisible());
        press(casting(), QStringLiteral("mnuStart"));
        QVERIFY(!casting());
        QVERIFY(question()->isVisible());
        verifyShows(question(), {{"txtName", "Ann"}});

        press(question(), QStringLiteral("cmdProceed"));
        press(casting(), QStringLiteral("cmdStartAgain"));
        QVERIFY(question()->isVisible());
        verifyShows(question(), {{"txtName", ""}});
        QVERIFY(!m_mdi->isPanelVisible());
    }

    void oldYangsFillBottomUpThenStartAgain_data() { addWays({{"button", "cmdStartAgain"}, {"menu", "mnuStart"}}); }

    void oldYangsFillBottomUpThenStartAgain()
    {
        // Line 1 is the bottom of both figures and the reading waits for all six lines; with every line changing,
        // all six are listed. Start Again must then begin at line 1 with an enabled button, the launcher hidden.
        QFETCH(QString, how);
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        const QSize before = casting()->size();
        tossAll({9});
        QCOMPARE(figure(),
                 (QStringList{"", "", "", "", "", "------ o ------", "------    ------", "", "", "", "", ""}));
        verifyShows(casting(), {{"lblJudgement", ""}, {"txtJudgement", ""}});
        QCOMPARE(control<shell::TextBox>(casting(), "txtChangeLines")->text(), QStringLiteral("Line 1 Changed\r\n"));
        QCOMPARE(casting()->cast().intCurrentLine, qint16(1));
        QVERIFY(control<QPushButton>(casting(), "cmdToss")->isEnabled());
        QCOMPARE(m_fakes->random.reseeds, 1);

        tossAll({9, 9, 9, 9, 9});
        QCOMPARE(figure(), QStringList(6, QStringLiteral("------ o ------")) + QStringList(6, "------    ------"));
        QCOMPARE(control<shell::TextBox>(casting(), "txtChangeLines")->text(),
                 QStringLiteral("Line 1 Changed\r\nLine 2 Changed\r\nLine 3 Changed\r\nLine 4 Changed\r\n"
                                "Line 5 Changed\r\nLine 6 Changed\r\n"));
        verifyShows(casting(), {{"lblJudgement", "1 Ch'ien The Creative"}});
        QCOMPARE(control<shell::TextBox>(casting(), "txtJudgement")->text(),
                 QStringLiteral("The Creative works sublime success,\r\nFurthering through perseverance."));
        QVERIFY(!control<QPushButton>(casting(), "cmdToss")->isEnabled());
        QCOMPARE(casting()->cast().intCurrentLine, qint16(5));
        QCOMPARE(casting()->cast().marksArray, (iching::Marks{9, 9, 9, 9, 9, 9}));
        QVERIFY(casting()->size().height() > before.height());
        QCOMPARE(casting()->y(), 0);
        QCOMPARE(m_fakes->random.reseeds, 6);
        QVERIFY(casting()->label(6)->accessibleName().contains(QStringLiteral("Line 1")));
        QVERIFY(casting()->label(6)->accessibleName().contains(QStringLiteral("changing")));

        press(casting(), how);
        QVERIFY(!casting());
        QVERIFY(question()->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        ask(QStringLiteral("Bo"), QStringLiteral("When?"));
        QVERIFY(control<QPushButton>(casting(), "cmdToss")->isEnabled());
        QCOMPARE(casting()->cast().intCurrentLine, qint16(0));
        QCOMPARE(figure(), QStringList(12, QString()));
        verifyShows(casting(), {{"lblJudgement", ""}});
        QCOMPARE(control<shell::TextBox>(casting(), "txtUserInfo")->text(),
                 QStringLiteral("Name: Bo\r\n\r\nQuestion: When?"));
    }

    void oneChangingLineReadsWholeWhateverTheFrame_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("titleBar");
        QTest::addColumn<bool>("designSize");
        QTest::newRow("thin frame: the design size") << 1 << 12 << true;
        QTest::newRow("thick frame and tall title bar") << 12 << 40 << false;
    }

    void oneChangingLineReadsWholeWhateverTheFrame()
    {
        // Under the Windows style's thicker frame the design's outer size cut off "Start Again" and the
        // scroll bars of the right-hand column.
        FrameStyle style;
        QFETCH(int, border);
        QFETCH(int, titleBar);
        QFETCH(bool, designSize);
        style.border = border;
        style.titleBar = titleBar;
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        casting()->setStyle(&style);
        tossAll({7, 8, 6, 7, 8, 7});
        // Lines 3, 2, 1 = yin, yin, yang below; 6, 5, 4 = yang, yin, yang above.
        QCOMPARE(control<shell::TextBox>(casting(), "txtChangeLines")->text(), QStringLiteral("Line 3 Changed\r\n"));
        verifyShows(casting(), {{"lblJudgement", "21 Shih Ho Biting Through"}});
        QCOMPARE(casting()->label(4)->text(), QStringLiteral("------ x ------"));
        QCOMPARE(casting()->label(9)->text(), QStringLiteral("----------------"));
        if (designSize)
            QCOMPARE(casting()->size(), twipsSize(10400, 6800));
        const QRect inside = casting()->contentsRect();
        for (const char *name : {"txtUserInfo", "txtJudgement", "txtChangeLines", "cmdExit(1)", "cmdStartAgain"}) {
            const QWidget *shownControl = control<QWidget>(casting(), name);
            const QRect shown(shownControl->mapTo(casting(), QPoint(0, 0)), shownControl->size());
            QVERIFY2(inside.contains(shown), name);
        }
        casting()->setStyle(nullptr);
    }

    void theKeyboardMeetsOnlyWhatShowsAndHearsEachToss()
    {
        // Before the sixth toss the reading and its buttons lie below the window's edge: Tab walked into them and
        // Space pressed an Exit no one could see. The tosses were silent to a screen reader, and the sixth left
        // the hexagram's number and name in a label it never reaches.
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        auto *toss = control<QPushButton>(casting(), "cmdToss");
        QVERIFY(toss->hasFocus());
        const QStringList below{"txtJudgement", "txtImage", "txtChangeLines", "cmdExit(1)", "cmdStartAgain"};
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            QVERIFY2(focused->isVisible() && !below.contains(focused->objectName()), qPrintable(focused->objectName()));
        }
        toss->setFocus();

        const QStringList said{"heads, tails, tails: line 1 is yang", "heads, heads, tails: line 2 is yin",
                               "tails, tails, tails: line 3 is old yin, changing",
                               "heads, heads, heads: line 4 is old yang, changing",
                               "heads, tails, tails: line 5 is yang"};
        const std::array<int, 5> values{7, 8, 6, 9, 7};
        for (int i = 0; i < 5; ++i) {
            tossAll({values[i]});
            QCOMPARE(toss->accessibleDescription(), said[i]);
            // Spoken as a notification that shows: Orca never hears a changed description from Qt 6.4.
            const auto *told = casting()->findChild<QWidget *>(QStringLiteral("announcement"));
            QVERIFY(told && told->isVisible());
            QCOMPARE(told->accessibleName(), said[i]);
            QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QWidget *>(told))->role(),
                     QAccessible::Notification);
            QVERIFY(toss->hasFocus());
        }
        tossAll({8});
        auto *judgement = control<shell::TextBox>(casting(), "txtJudgement");
        QVERIFY(judgement->hasFocus() && judgement->isVisible());
        const QString caption = control<QLabel>(casting(), "lblJudgement")->text();
        QVERIFY(!caption.isEmpty() && caption.front().isDigit());
        QCOMPARE(judgement->accessibleName(), QStringLiteral("The Judgement: ") + caption);
        QCOMPARE(toss->accessibleDescription(), QStringLiteral("heads, heads, tails: line 6 is yin"));
        for (const QString &name : below)
            QVERIFY2(control<QWidget>(casting(), name)->isVisible(), qPrintable(name));

        // Tabbed to, each reading box gives a screen reader all of its text as the line it is on.
        auto *changing = control<shell::TextBox>(casting(), "txtChangeLines");
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(changing)->textInterface();
        QVERIFY(text);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end),
                 QStringLiteral("Line 3 Changed\nLine 4 Changed\n"));
        QCOMPARE(start, 0);
        QCOMPARE(end, text->characterCount());
    }

    void leavingEitherWindowLeadsBackToThePanel_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("fromCasting");
        QTest::addColumn<QString>("how");
        QTest::newRow("casting Exit button") << "cmdProceed" << true << "cmdExit(1)";
        QTest::newRow("casting Exit menu") << "cmdProceed" << true << "mnuExit";
        QTest::newRow("casting close box") << "cmdProceed" << true << "close";
        QTest::newRow("question Exit button") << "" << false << "cmdExit";
        QTest::newRow("question close box") << "" << false << "close";
        QTest::newRow("hidden question form closed after Next by menu") << "mnuNext" << false << "close";
    }

    void leavingEitherWindowLeadsBackToThePanel()
    {
        // Leaving must end the tool and show the panel with nothing left open; after Next by menu both windows
        // exist, and the launcher closing one must not strand the other.
        QFETCH(QString, next);
        QFETCH(bool, fromCasting);
        QFETCH(QString, how);
        openTool();
        if (!next.isEmpty())
            ask(QStringLiteral("Ann"), QStringLiteral("Why?"), next);
        press(fromCasting ? static_cast<QWidget *>(casting()) : question(), how);
        QVERIFY(!casting());
        QVERIFY(m_mdi->windows().openWindows().empty());
        QVERIFY(m_mdi->isPanelVisible());
    }

    void coinsShowTheFacesAndAMissingPictureLeavesTheBoxEmpty()
    {
        // A lost picture file must not lose the toss.
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        const auto coin = [this](int i) {
            return control<shell::PictureBox>(casting(), QStringLiteral("picCoin(%1)").arg(i));
        };
        tossAll({8});
        QVERIFY(coin(0)->picture().source().endsWith(QStringLiteral("pics/heads.gif")));
        QVERIFY(coin(2)->picture().source().endsWith(QStringLiteral("pics/tails.gif")));
        QVERIFY(!coin(0)->picture().isNull());
        QCOMPARE(coin(0)->accessibleDescription(), QStringLiteral("heads"));

        QTemporaryDir empty;
        iching::setPicturesFolder(empty.path());
        tossAll({7});
        QVERIFY(coin(0)->picture().isNull());
        QCOMPARE(casting()->cast().marksArray[1], qint16(7));
    }

    void changedHexagramIsNamedOnlyWhenALineMoves_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QString>("caption"); // empty: nothing shown
        QTest::newRow("line 3 moves") << QList<int>{7, 8, 6, 7, 8, 7} << "Changes into: 30 Li The Clinging, Fire";
        QTest::newRow("every line moves") << QList<int>{9, 9, 9, 9, 9, 9} << "Changes into: 2 K'un The Receptive";
        QTest::newRow("no line moves") << QList<int>{7, 7, 7, 7, 7, 7} << "";
    }

    void changedHexagramIsNamedOnlyWhenALineMoves()
    {
        // The second figure had no name, so a user had to look it up; the name must not stand on or move any of
        // the controls the casting window already has, nor show before the cast is complete.
        QFETCH(QList<int>, lines);
        QFETCH(QString, caption);
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        auto *changed = control<QLabel>(casting(), "lblChangedHexagram");
        QList<QWidget *> others;
        QMap<QString, QRect> before;
        for (QWidget *other : changed->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != changed && other->objectName() != QLatin1String("cmdFullReading")) {
                others << other;
                before.insert(other->objectName(), other->geometry());
            }
        }
        for (int line : lines.mid(0, 5))
            tossAll({line});
        QVERIFY(!changed->isVisible());
        tossAll({lines.back()});
        QCOMPARE(changed->isVisible(), !caption.isEmpty());
        if (caption.isEmpty())
            return;
        QCOMPARE(changed->text(), caption);
        QCOMPARE(changed->accessibleName(), caption);
        QVERIFY(changed->focusPolicy() & Qt::TabFocus);
        const QRect inside = casting()->contentsRect();
        QVERIFY(inside.contains(QRect(changed->mapTo(casting(), QPoint(0, 0)), changed->size())));
        for (QWidget *other : others) {
            QCOMPARE(other->geometry(), before.value(other->objectName()));
            if (other->isVisible())
                QVERIFY2(!other->geometry().intersects(changed->geometry()), qPrintable(other->objectName()));
        }
        // Every caption legible at once, the longest too, within the room the label has.
        for (const iching::HexagramRecord &record : iching::Hexagrams) {
            changed->setText(QStringLiteral("Changes into: ") + QString::fromUtf8(record.caption));
            QVERIFY2(changed->heightForWidth(changed->width()) <= changed->height(), record.caption);
        }
    }

    void fullReadingIsOfferedOnceTheSixthLineIsCast_data()
    {
        addWays({{"button", "cmdFullReading"}, {"menu", "mnuFullReading"}, {"key", "Ctrl+R"}});
    }

    void fullReadingIsOfferedOnceTheSixthLineIsCast()
    {
        // Before the sixth line there is no hexagram to read; after it the reading opens once, with the keyboard
        // in its text so a screen reader starts on it, and asking again brings back the same window.
        QFETCH(QString, how);
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Will it rain?"));
        auto *button = control<QPushButton>(casting(), "cmdFullReading");
        auto *menu = control<QAction>(casting(), "mnuFullReading");
        QCOMPARE(menu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        tossAll({7, 8, 6, 7, 8});
        QVERIFY(!button->isVisible());
        QVERIFY(!menu->isEnabled());
        menu->trigger();
        QVERIFY(!fullReading());
        tossAll({7});
        QVERIFY(button->isVisible());
        QVERIFY(menu->isEnabled());
        press(casting(), how);
        QTRY_VERIFY(fullReading() && fullReading()->isVisible());
        auto *text = control<QTextBrowser>(fullReading(), "txtReading");
        QVERIFY(text->hasFocus());
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->accessibleName(), QStringLiteral("Your I Ching reading"));
        const QString shown = text->toPlainText();
        for (const QString &part :
             {QStringLiteral("Name: Ann"), QStringLiteral("Question: Will it rain?"),
              QStringLiteral("21 Shih Ho Biting Through"), QStringLiteral("Six in the third place"),
              QString::fromUtf8(iching::hexagramLines(21).lines[2]), QStringLiteral("30 Li The Clinging, Fire"),
              QStringLiteral("\u4DD4"), QString::fromUtf8(iching::hexagramLines(21).chinese)})
            QVERIFY2(shown.contains(part), qPrintable(part));
        QCOMPARE(fullReading()->pos(), placeOf(fullReading()));
        QVERIFY(!m_mdi->isPanelVisible());

        press(casting(), QStringLiteral("mnuFullReading"));
        QCOMPARE(m_mdi->windows().openWindows().size(), std::size_t(2));
        QCOMPARE(m_mdi->mdiArea()->subWindowList().size(), 2);
    }

    void fullReadingBelongsToItsCast_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("fromReading");
        QTest::addColumn<QString>("after"); // what is on screen then: casting, question or panel
        QTest::newRow("reading Close button") << "cmdClose" << true << "casting";
        QTest::newRow("reading Close menu") << "mnuClose" << true << "casting";
        QTest::newRow("reading close box") << "close" << true << "casting";
        QTest::newRow("reading Escape") << "Escape" << true << "casting";
        QTest::newRow("reading Ctrl+W") << "Ctrl+W" << true << "casting";
        QTest::newRow("casting Start Again") << "cmdStartAgain" << false << "question";
        QTest::newRow("casting Start Again menu") << "mnuStart" << false << "question";
        QTest::newRow("casting Exit") << "cmdExit(1)" << false << "panel";
        QTest::newRow("casting close box") << "close" << false << "panel";
    }

    void fullReadingBelongsToItsCast()
    {
        // A reading left open over a new cast, or over the launcher, would show answers to another question.
        QFETCH(QString, how);
        QFETCH(bool, fromReading);
        QFETCH(QString, after);
        openFullReading();
        QCOMPARE(control<QAction>(fullReading(), "mnuClose")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
        press(fromReading ? static_cast<QWidget *>(fullReading()) : casting(), how);
        QTRY_VERIFY(!fullReading());
        QCOMPARE(casting() != nullptr, after == QLatin1String("casting"));
        if (casting()) {
            QVERIFY(casting()->isVisible());
            QCOMPARE(m_mdi->mdiArea()->activeSubWindow(), casting());
        }
        QCOMPARE(question() && question()->isVisible(), after == QLatin1String("question"));
        QCOMPARE(m_mdi->isPanelVisible(), after == QLatin1String("panel"));
    }

    void copyPutsTheWholeReadingOnTheClipboard_data()
    {
        addWays({{"button", "cmdCopy"}, {"menu", "mnuCopy"}, {"key", "Ctrl+Shift+C"}});
    }

    void copyPutsTheWholeReadingOnTheClipboard()
    {
        // Pasted into a journal, the reading must keep its symbols and Chinese names and read as plain text.
        QFETCH(QString, how);
        openFullReading();
        QGuiApplication::clipboard()->clear();
        press(fullReading(), how);
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, iching::readingText(casting()->reading()));
        QVERIFY(copied.contains(QStringLiteral("\u4DD4 21 Shih Ho Biting Through")));
        QVERIFY(copied.contains(QString::fromUtf8(iching::hexagramLines(30).chinese)));
        QVERIFY(!copied.contains(QLatin1Char('<')));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
    }

    void saveWritesAPdfOfTheReadingOrSaysWhyNot_data()
    {
        QTest::addColumn<QString>("file"); // inside a fresh folder; empty: the dialog is cancelled
        QTest::addColumn<bool>("saved");
        QTest::newRow("new file") << "reading.pdf" << true;
        QTest::newRow("cancelled") << "" << false;
        QTest::newRow("missing folder") << "gone/reading.pdf" << false;
        QTest::newRow("a folder") << "folder" << false;
    }

    void saveWritesAPdfOfTheReadingOrSaysWhyNot()
    {
        // A save that writes nothing and says nothing leaves the user believing the reading is kept.
        QFETCH(QString, file);
        QFETCH(bool, saved);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
        const QString path = file.isEmpty() ? QString() : folder.filePath(file);
        openFullReading();
        m_fakes->fileDialogs.answers.push_back(path);
        press(fullReading(), QStringLiteral("cmdSave"));
        QCOMPARE(m_fakes->fileDialogs.asked.size(), std::size_t(1));
        const FileDialogRequest &asked = m_fakes->fileDialogs.asked.front();
        QCOMPARE(asked.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(asked.defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(asked.confirmOverwrite);
        QVERIFY(fullReading()->isVisible());
        if (!saved) {
            QCOMPARE(m_fakes->messages.shown.size(), std::size_t(file.isEmpty() ? 0 : 1));
            if (!file.isEmpty()) {
                QCOMPARE(m_fakes->messages.shown.front().icon, MessageIcon::Critical);
                QVERIFY(m_fakes->messages.shown.front().text.contains(path));
            }
            return;
        }
        QVERIFY(m_fakes->messages.shown.empty());
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed to read the file back");
        const QString text = testsupport::runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                                 .simplified();
        for (const char *part : {"Name: Ann", "Question: Why?", "21 Shih Ho Biting Through", "Six in the third place",
                                 "30 Li The Clinging, Fire"})
            QVERIFY2(text.contains(QLatin1String(part)), part);
    }

    void printWithoutAPrinterSaysSo()
    {
        // Print that does nothing and says nothing looks like a broken button.
        const auto before = FrmIChingReading::defaultPrinter;
        FrmIChingReading::defaultPrinter = [] { return QPrinterInfo(); };
        openFullReading();
        press(fullReading(), QStringLiteral("cmdPrint"));
        FrmIChingReading::defaultPrinter = before;
        QCOMPARE(m_fakes->messages.shown.size(), std::size_t(1));
        QCOMPARE(m_fakes->messages.shown.front().icon, MessageIcon::Information);
        QVERIFY(fullReading()->isVisible());
    }

    void missingPicsFolderEndsTheProgram()
    {
        // Without the coin pictures the tool can't work; the user is told to reinstall.
        iching::setPicturesFolder(QStringLiteral("/nonexistent/tavrenne-pics"));
        openTool();
        QCOMPARE(m_fakes->messages.shown.size(), size_t(1));
        const MessageRequest &box = m_fakes->messages.shown.front();
        QCOMPARE(box.text, QStringLiteral("Files Needed To Run Qelvo I Ching Software Are Missing\r"
                                          "Please Reinstall Software."));
        QCOMPARE(box.title, QStringLiteral("Qelvo I Ching Software"));
        QCOMPARE(box.icon, MessageIcon::Information);
        QCOMPARE(m_fakes->process.ends, 1);
        QVERIFY(m_mdi->windows().openWindows().empty());
    }
};

QTEST_MAIN(TestIChingWindows)
#include "tst_iching_windows.moc"
