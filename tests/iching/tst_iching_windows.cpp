// The I Ching windows: question entry, the name filter, tossing, the reading, Start Again and Exit.
#include "iching/FrmIChingSoftwareMain.h"
#include "iching/coin_pictures.h"
#include "iching/figure_line.h"
#include "iching/frmIChingSoftwareStart.h"
#include "iching/iching_windows.h"
#include "shell/frmMDI.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "shell/text_box.h"
#include "shell/text_scrambling.h"
#include "shell/twips.h"
#include "shell/update_reminder.h"
#include "support/gui_test.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace shell;
using testsupport::control;

namespace {

// A window frame of a chosen thickness, as different platforms draw them.
class FrameStyle : public QProxyStyle
{
public:
    FrameStyle(int border, int titleBar)
        : m_border(border)
        , m_titleBar(titleBar)
    {
    }
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_MdiSubWindowFrameWidth)
            return m_border;
        if (metric == PM_TitleBarHeight)
            return m_titleBar;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int m_border;
    int m_titleBar;
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

    void ask(const QString &name, const QString &text)
    {
        control<QLineEdit>(question(), "txtName")->setText(name);
        control<shell::TextBox>(question(), "txtQuestion")->setText(text);
        control<QPushButton>(question(), "cmdProceed")->click();
    }

    // Each toss takes three draws; a draw above one half is heads.
    void queueLines(std::initializer_list<int> values)
    {
        for (int value : values) {
            const int heads = value - 6;
            for (int coin = 0; coin < 3; ++coin)
                m_fakes->random.values.push_back(coin < heads ? 0.9 : 0.1);
        }
    }

    void tossAll(std::initializer_list<int> values)
    {
        queueLines(values);
        for (std::size_t i = 0; i < values.size(); ++i)
            control<QPushButton>(casting(), "cmdToss")->click();
    }

    // Types each character as a key press carrying that text, accented letters included.
    static void typeInto(QWidget *widget, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }

    QStringList figure(int first, int last)
    {
        QStringList lines;
        for (int n = first; n <= last; ++n)
            lines << casting()->label(n)->text();
        return lines;
    }

private slots:
    void launcherShowsOnlyTheQuestionForm_data()
    {
        QTest::addColumn<bool>("byCaption");
        // clang-format off
        QTest::newRow("button") << false;
        QTest::newRow("caption") << true;
        // clang-format on
    }

    void launcherShowsOnlyTheQuestionForm()
    {
        // The casting window opens, presses Start Again and hands over without flashing the panel.
        QFETCH(bool, byCaption);
        if (byCaption)
            m_mdi->lblCaption_Click(5);
        else
            m_mdi->cmdSelectOption_Click(2);
        QVERIFY(question() && question()->isVisible());
        QVERIFY(!casting());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(question()->windowTitle(), QStringLiteral("Qelvo I Ching Software"));
        QVERIFY(control<QLineEdit>(question(), "txtName")->text().isEmpty());
        QVERIFY(control<shell::TextBox>(question(), "txtQuestion")->text().isEmpty());
        QCOMPARE(question()->pos(), placeOf(question()));
    }

    void reminderRunsAtEveryLoadOfTheQuestionForm()
    {
        // The second chance to remind must not be lost when the program stays open for weeks.
        openTool();
        QCOMPARE(m_fakes->settings.values.size(), size_t(1));
        QVERIFY(m_fakes->messages.shown.empty());
        m_fakes->clock.current = m_fakes->clock.current.addDays(20);
        openTool();
        QCOMPARE(m_fakes->messages.shown.size(), size_t(1));
        QVERIFY(m_fakes->messages.shown.front().text.startsWith(QStringLiteral("There maybe an update")));
        QVERIFY(question() && question()->isVisible());
    }

    void nameFilterTakesOnlyLettersAndBlanks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("refusals");
        // clang-format off
        QTest::newRow("letters and blanks") << QStringLiteral("Ann Lee") << QStringLiteral("Ann Lee") << 0;
        QTest::newRow("digit") << QStringLiteral("Bo5") << QStringLiteral("Bo") << 1;
        QTest::newRow("punctuation") << QStringLiteral("O'Neil") << QStringLiteral("ONeil") << 1;
        QTest::newRow("accented letter") << QStringLiteral("Zo\u00eb") << QStringLiteral("Zo") << 1;
        // clang-format on
    }

    void nameFilterTakesOnlyLettersAndBlanks()
    {
        // A name of anything but letters would not match what the reading expects.
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, refusals);
        openTool();
        control<QLineEdit>(question(), "txtName")->setFocus();
        typeInto(control<QLineEdit>(question(), "txtName"), typed);
        QCOMPARE(control<QLineEdit>(question(), "txtName")->text(), kept);
        QCOMPARE(int(m_fakes->messages.shown.size()), refusals);
        for (const auto &box : m_fakes->messages.shown) {
            QCOMPARE(box.text, QStringLiteral("Please Enter Only Characters"));
            QCOMPARE(box.icon, MessageIcon::None);
            QCOMPARE(box.title, QStringLiteral("Tavrenne"));
        }
    }

    void enterAndPasteInTheNameBoxAreRefused()
    {
        // Enter and Ctrl+V are characters too: neither may slip something in.
        openTool();
        QLineEdit *name = control<QLineEdit>(question(), "txtName");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Al"));
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("Al"));
        QCOMPARE(m_fakes->messages.texts(), (QStringList{QStringLiteral("Please Enter Only Characters"),
                                                         QStringLiteral("Please Enter Only Characters")}));
        QVERIFY(name->hasFocus());
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), QStringLiteral("A"));
        QTest::keyClick(name, Qt::Key_Tab);
        QVERIFY(control<shell::TextBox>(question(), "txtQuestion")->hasFocus());
        QCOMPARE(m_fakes->messages.shown.size(), size_t(2));
    }

    void textFromBeyondTheKeyboardMeetsTheTypingRule_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("selection paste of digits") << "selection" << "What 123 next" << "Al";
        QTest::newRow("selection paste of letters") << "selection" << " Lee" << "Al Lee";
        QTest::newRow("clipboard paste") << "clipboard" << "O'Neil" << "Al";
        QTest::newRow("drop of digits") << "drop" << "What 123 next" << "Al";
        QTest::newRow("drop of letters") << "drop" << "Lee" << "AlLee";
        QTest::newRow("input method word") << "input method" << "\u674e" << "Al";
        QTest::newRow("input method letters") << "input method" << "an" << "Alan";
        // clang-format on
    }

    void textFromBeyondTheKeyboardMeetsTheTypingRule()
    {
        // A name that got past the filter some other way holds what the filter exists to keep out.
        QFETCH(QString, way);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        openTool();
        auto *name = question()->findChild<QLineEdit *>(QStringLiteral("txtName"));
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Al"));
        QMimeData dragged;
        dragged.setText(text);
        if (way == QLatin1String("selection")) {
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
        } else if (way == QLatin1String("drop")) {
            // A drop reaches only the control that took the drag as it entered.
            const QPoint end(name->width() - 2, name->height() / 2);
            QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(name, &enter);
            QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(name, &drop);
        } else {
            QInputMethodEvent composed;
            composed.setCommitString(text);
            QApplication::sendEvent(name, &composed);
        }
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), kept);
        const QStringList refusal{QStringLiteral("Please Enter Only Characters")};
        QCOMPARE(m_fakes->messages.texts(), kept == QLatin1String("Al") ? refusal : QStringList());
        QVERIFY(name->hasFocus());
    }

    void emptyEntriesAreReportedNameFirst_data()
    {
        QTest::addColumn<bool>("byMenu");
        // clang-format off
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
        // clang-format on
    }

    void emptyEntriesAreReportedNameFirst()
    {
        // With both boxes empty only the name is asked for, and the focus goes where the gap is.
        QFETCH(bool, byMenu);
        openTool();
        const auto next = [&] {
            if (byMenu)
                control<QAction>(question(), "mnuNext")->trigger();
            else
                control<QPushButton>(question(), "cmdProceed")->click();
        };
        next();
        QCOMPARE(m_fakes->messages.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QCOMPARE(m_fakes->messages.shown.back().icon, byMenu ? MessageIcon::None : MessageIcon::Information);
        QVERIFY(control<QLineEdit>(question(), "txtName")->hasFocus());
        control<QLineEdit>(question(), "txtName")->setText(QStringLiteral("Ann"));
        next();
        QCOMPARE(m_fakes->messages.shown.back().text, QStringLiteral("Please Enter Your Question"));
        QVERIFY(control<shell::TextBox>(question(), "txtQuestion")->hasFocus());
        QVERIFY(!casting());
    }

    void blankNamePassesAndShowsNothingAfterName()
    {
        // The emptiness test is on the text as typed; the stored name is trimmed.
        openTool();
        ask(QStringLiteral("   "), QStringLiteral("  Will it rain?  "));
        QVERIFY(casting() && casting()->isVisible());
        QCOMPARE(frmIChingSoftwareStart::userName, QString());
        QCOMPARE(control<shell::TextBox>(casting(), "txtUserInfo")->text(),
                 QStringLiteral("Name: \r\n\r\nQuestion: Will it rain?"));
        QVERIFY(!question());
        QVERIFY(!m_mdi->isPanelVisible());
    }

    void nextByMenuKeepsTheQuestionFormForStartAgain()
    {
        // The menu hides the form, so its texts come back; the button closes it, so they don't.
        openTool();
        control<QLineEdit>(question(), "txtName")->setText(QStringLiteral("Ann"));
        control<shell::TextBox>(question(), "txtQuestion")->setText(QStringLiteral("Shall I travel?"));
        control<QAction>(question(), "mnuNext")->trigger();
        QVERIFY(question() && !question()->isVisible());
        QVERIFY(casting()->isVisible());
        control<QAction>(casting(), "mnuStart")->trigger();
        QVERIFY(!casting());
        QVERIFY(question()->isVisible());
        QCOMPARE(control<QLineEdit>(question(), "txtName")->text(), QStringLiteral("Ann"));

        control<QPushButton>(question(), "cmdProceed")->click();
        control<QPushButton>(casting(), "cmdStartAgain")->click();
        QVERIFY(question()->isVisible());
        QVERIFY(control<QLineEdit>(question(), "txtName")->text().isEmpty());
        QVERIFY(!m_mdi->isPanelVisible());
    }

    void firstTossFillsOnlyTheBottomLines()
    {
        // Line 1 is the bottom of both figures; the reading waits for all six lines.
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        tossAll({9});
        QCOMPARE(figure(1, 6), (QStringList{"", "", "", "", "", "------ o ------"}));
        QCOMPARE(figure(7, 12), (QStringList{"------    ------", "", "", "", "", ""}));
        QVERIFY(control<QLabel>(casting(), "lblJudgement")->text().isEmpty());
        QVERIFY(control<shell::TextBox>(casting(), "txtJudgement")->text().isEmpty());
        QCOMPARE(control<shell::TextBox>(casting(), "txtChangeLines")->text(), QStringLiteral("Line 1 Changed\r\n"));
        QCOMPARE(casting()->cast().intCurrentLine, qint16(1));
        QVERIFY(control<QPushButton>(casting(), "cmdToss")->isEnabled());
        QCOMPARE(m_fakes->random.reseeds, 1);
    }

    void sixOldYangsChangeIntoSixYins()
    {
        // Every line changing: the cast shows old yang, the change shows yin, all six are listed.
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        const QSize before = casting()->size();
        tossAll({9, 9, 9, 9, 9, 9});
        QCOMPARE(figure(1, 6), QStringList(6, QStringLiteral("------ o ------")));
        QCOMPARE(figure(7, 12), QStringList(6, QStringLiteral("------    ------")));
        QCOMPARE(control<shell::TextBox>(casting(), "txtChangeLines")->text(),
                 QStringLiteral("Line 1 Changed\r\nLine 2 Changed\r\nLine 3 Changed\r\nLine 4 Changed\r\n"
                                "Line 5 Changed\r\nLine 6 Changed\r\n"));
        QCOMPARE(control<QLabel>(casting(), "lblJudgement")->text(), QStringLiteral("1 Ch'ien The Creative"));
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
    }

    void wholeReadingShowsAfterTheSixthTossWhateverTheFrame_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("titleBar");
        QTest::addColumn<bool>("designSize");
        // clang-format off
        QTest::newRow("thin frame: the design size") << 1 << 12 << true;
        QTest::newRow("thick frame and tall title bar") << 12 << 40 << false;
        // clang-format on
    }

    void wholeReadingShowsAfterTheSixthTossWhateverTheFrame()
    {
        // Under the Windows style's thicker frame the design's outer size cut off "Start Again" and the
        // scroll bars of the right-hand column.
        QFETCH(int, border);
        QFETCH(int, titleBar);
        QFETCH(bool, designSize);
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        FrameStyle style(border, titleBar);
        casting()->setStyle(&style);
        tossAll({7, 8, 6, 7, 8, 7});
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

    void onlyTheThirdLineChanging()
    {
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        tossAll({7, 8, 6, 7, 8, 7});
        QCOMPARE(control<shell::TextBox>(casting(), "txtChangeLines")->text(), QStringLiteral("Line 3 Changed\r\n"));
        // Lines 3, 2, 1 = yin, yin, yang below; 6, 5, 4 = yang, yin, yang above.
        QCOMPARE(control<QLabel>(casting(), "lblJudgement")->text(), QStringLiteral("21 Shih Ho Biting Through"));
        QCOMPARE(casting()->label(4)->text(), QStringLiteral("------ x ------"));
        QCOMPARE(casting()->label(9)->text(), QStringLiteral("----------------"));
    }

    void startAgainBeginsANewCast_data()
    {
        QTest::addColumn<bool>("byMenu");
        // clang-format off
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
        // clang-format on
    }

    void startAgainBeginsANewCast()
    {
        // A new cast must start at line 1 with an enabled button and the launcher still hidden.
        QFETCH(bool, byMenu);
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        tossAll({7, 7, 7, 7, 7, 7});
        if (byMenu)
            control<QAction>(casting(), "mnuStart")->trigger();
        else
            control<QPushButton>(casting(), "cmdStartAgain")->click();
        QVERIFY(!casting());
        QVERIFY(question()->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        ask(QStringLiteral("Bo"), QStringLiteral("When?"));
        QVERIFY(control<QPushButton>(casting(), "cmdToss")->isEnabled());
        QCOMPARE(casting()->cast().intCurrentLine, qint16(0));
        QCOMPARE(figure(1, 12), QStringList(12, QString()));
        QVERIFY(control<QLabel>(casting(), "lblJudgement")->text().isEmpty());
        QCOMPARE(control<shell::TextBox>(casting(), "txtUserInfo")->text(),
                 QStringLiteral("Name: Bo\r\n\r\nQuestion: When?"));
    }

    void exitLeadsBackToThePanel_data()
    {
        QTest::addColumn<QString>("how");
        // clang-format off
        QTest::newRow("casting Exit button") << QStringLiteral("cmdExit");
        QTest::newRow("casting Exit menu") << QStringLiteral("mnuExit");
        QTest::newRow("casting close box") << QStringLiteral("close");
        QTest::newRow("question Exit button") << QStringLiteral("question cmdExit");
        QTest::newRow("question close box") << QStringLiteral("question close");
        // clang-format on
    }

    void exitLeadsBackToThePanel()
    {
        // Leaving either window must end the tool and show the panel, with nothing left open.
        QFETCH(QString, how);
        openTool();
        if (how.startsWith(QStringLiteral("question"))) {
            if (how.endsWith(QStringLiteral("cmdExit")))
                control<QPushButton>(question(), "cmdExit")->click();
            else
                question()->close();
        } else {
            ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
            if (how == QStringLiteral("cmdExit"))
                control<QPushButton>(casting(), "cmdExit(1)")->click();
            else if (how == QStringLiteral("mnuExit"))
                control<QAction>(casting(), "mnuExit")->trigger();
            else
                casting()->close();
        }
        QVERIFY(m_mdi->windows().openWindows().empty());
        QVERIFY(m_mdi->isPanelVisible());
    }

    void closingTheHiddenQuestionFormAlsoClosesTheCastingWindow()
    {
        // After Next by menu both windows exist; the launcher closing one must not strand the other.
        openTool();
        control<QLineEdit>(question(), "txtName")->setText(QStringLiteral("Ann"));
        control<shell::TextBox>(question(), "txtQuestion")->setText(QStringLiteral("Why?"));
        control<QAction>(question(), "mnuNext")->trigger();
        question()->close();
        QVERIFY(!casting());
        QVERIFY(m_mdi->isPanelVisible());
    }

    void coinsShowTheFacesAndAMissingPictureLeavesTheBoxEmpty()
    {
        // A lost picture file must not lose the toss.
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        queueLines({8});
        control<QPushButton>(casting(), "cmdToss")->click();
        QVERIFY(control<shell::PictureBox>(casting(), QStringLiteral("picCoin(%1)").arg(0))
                    ->picture()
                    .source()
                    .endsWith(QStringLiteral("pics/heads.gif")));
        QVERIFY(control<shell::PictureBox>(casting(), QStringLiteral("picCoin(%1)").arg(2))
                    ->picture()
                    .source()
                    .endsWith(QStringLiteral("pics/tails.gif")));
        QVERIFY(!control<shell::PictureBox>(casting(), QStringLiteral("picCoin(%1)").arg(0))->picture().isNull());
        QCOMPARE(control<shell::PictureBox>(casting(), QStringLiteral("picCoin(%1)").arg(0))->accessibleDescription(),
                 QStringLiteral("heads"));

        QTemporaryDir empty;
        iching::setPicturesFolder(empty.path());
        queueLines({7});
        control<QPushButton>(casting(), "cmdToss")->click();
        QVERIFY(control<shell::PictureBox>(casting(), QStringLiteral("picCoin(%1)").arg(0))->picture().isNull());
        QCOMPARE(casting()->cast().marksArray[1], qint16(7));
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
