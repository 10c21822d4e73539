// The I Ching windows: question entry, the name filter, tossing, the reading, Start Again and Exit.
#include "iching/FrmIChingSoftwareMain.h"
#include "iching/coin_pictures.h"
#include "iching/figure_line.h"
#include "iching/frmIChingSoftwareStart.h"
#include "iching/iching_windows.h"
#include "shell/frmMDI.h"
#include "shell/picture.h"
#include "shell/text_box.h"
#include "shell/text_scrambling.h"
#include "shell/twips.h"
#include "shell/update_reminder.h"
#include "support/fake_platform.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QProxyStyle>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace shell;

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

class TestIChingWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::FakePlatform> m_fakes;
    std::unique_ptr<frmMDI> m_mdi;

    frmIChingSoftwareStart *question() { return m_mdi->windows().find<frmIChingSoftwareStart>(); }
    FrmIChingSoftwareMain *casting() { return m_mdi->windows().find<FrmIChingSoftwareMain>(); }

    void openTool() { m_mdi->cmdSelectOption_Click(2); }

    void ask(const QString &name, const QString &text)
    {
        question()->txtName->setText(name);
        question()->txtQuestion->setText(text);
        question()->cmdProceed->click();
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
            casting()->cmdToss->click();
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
    void init()
    {
        m_fakes = std::make_unique<testsupport::FakePlatform>();
        iching::setPicturesFolder(QString());
        frmIChingSoftwareStart::userName.clear();
        frmIChingSoftwareStart::userQuestion.clear();
        m_mdi = std::make_unique<frmMDI>();
        iching::registerWindows(*m_mdi);
        m_mdi->resize(1200, 900);
        m_mdi->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_mdi.get()));
    }

    void cleanup()
    {
        m_mdi.reset();
        m_fakes.reset();
        iching::setPicturesFolder(QString());
    }

    void launcherShowsOnlyTheQuestionForm_data()
    {
        QTest::addColumn<bool>("byCaption");
        QTest::newRow("button") << false;
        QTest::newRow("caption") << true;
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
        QVERIFY(question()->txtName->text().isEmpty());
        QVERIFY(question()->txtQuestion->text().isEmpty());
        QCOMPARE(question()->y(), 0);
        QCOMPARE(question()->x(), (m_mdi->mdiArea()->viewport()->width() - question()->width()) / 2);
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
        QTest::newRow("letters and blanks") << QStringLiteral("Ann Lee") << QStringLiteral("Ann Lee") << 0;
        QTest::newRow("digit") << QStringLiteral("Bo5") << QStringLiteral("Bo") << 1;
        QTest::newRow("punctuation") << QStringLiteral("O'Neil") << QStringLiteral("ONeil") << 1;
        QTest::newRow("accented letter") << QStringLiteral("Zo\u00eb") << QStringLiteral("Zo") << 1;
    }

    void nameFilterTakesOnlyLettersAndBlanks()
    {
        // A name of anything but letters would not match what the reading expects.
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, refusals);
        openTool();
        question()->txtName->setFocus();
        typeInto(question()->txtName, typed);
        QCOMPARE(question()->txtName->text(), kept);
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
        QLineEdit *name = question()->txtName;
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Al"));
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("Al"));
        QCOMPARE(m_fakes->messages.texts(),
                 (QStringList{QStringLiteral("Please Enter Only Characters"), QStringLiteral("Please Enter Only Characters")}));
        QVERIFY(name->hasFocus());
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), QStringLiteral("A"));
        QTest::keyClick(name, Qt::Key_Tab);
        QVERIFY(question()->txtQuestion->hasFocus());
        QCOMPARE(m_fakes->messages.shown.size(), size_t(2));
    }

    void emptyEntriesAreReportedNameFirst_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void emptyEntriesAreReportedNameFirst()
    {
        // With both boxes empty only the name is asked for, and the focus goes where the gap is.
        QFETCH(bool, byMenu);
        openTool();
        const auto next = [&] {
            if (byMenu)
                question()->mnuNext->trigger();
            else
                question()->cmdProceed->click();
        };
        next();
        QCOMPARE(m_fakes->messages.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QCOMPARE(m_fakes->messages.shown.back().icon, byMenu ? MessageIcon::None : MessageIcon::Information);
        QVERIFY(question()->txtName->hasFocus());
        question()->txtName->setText(QStringLiteral("Ann"));
        next();
        QCOMPARE(m_fakes->messages.shown.back().text, QStringLiteral("Please Enter Your Question"));
        QVERIFY(question()->txtQuestion->hasFocus());
        QVERIFY(!casting());
    }

    void blankNamePassesAndShowsNothingAfterName()
    {
        // The emptiness test is on the text as typed; the stored name is trimmed.
        openTool();
        ask(QStringLiteral("   "), QStringLiteral("  Will it rain?  "));
        QVERIFY(casting() && casting()->isVisible());
        QCOMPARE(frmIChingSoftwareStart::userName, QString());
        QCOMPARE(casting()->txtUserInfo->text(), QStringLiteral("Name: \r\n\r\nQuestion: Will it rain?"));
        QVERIFY(!question());
        QVERIFY(!m_mdi->isPanelVisible());
    }

    void nextByMenuKeepsTheQuestionFormForStartAgain()
    {
        // The menu hides the form, so its texts come back; the button closes it, so they don't.
        openTool();
        question()->txtName->setText(QStringLiteral("Ann"));
        question()->txtQuestion->setText(QStringLiteral("Shall I travel?"));
        question()->mnuNext->trigger();
        QVERIFY(question() && !question()->isVisible());
        QVERIFY(casting()->isVisible());
        casting()->mnuStart->trigger();
        QVERIFY(!casting());
        QVERIFY(question()->isVisible());
        QCOMPARE(question()->txtName->text(), QStringLiteral("Ann"));

        question()->cmdProceed->click();
        casting()->cmdStartAgain->click();
        QVERIFY(question()->isVisible());
        QVERIFY(question()->txtName->text().isEmpty());
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
        QVERIFY(casting()->lblJudgement->text().isEmpty());
        QVERIFY(casting()->txtJudgement->text().isEmpty());
        QCOMPARE(casting()->txtChangeLines->text(), QStringLiteral("Line 1 Changed\r\n"));
        QCOMPARE(casting()->cast().intCurrentLine, qint16(1));
        QVERIFY(casting()->cmdToss->isEnabled());
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
        QCOMPARE(casting()->txtChangeLines->text(),
                 QStringLiteral("Line 1 Changed\r\nLine 2 Changed\r\nLine 3 Changed\r\nLine 4 Changed\r\n"
                                "Line 5 Changed\r\nLine 6 Changed\r\n"));
        QCOMPARE(casting()->lblJudgement->text(), QStringLiteral("1 Ch'ien The Creative"));
        QCOMPARE(casting()->txtJudgement->text(),
                 QStringLiteral("The Creative works sublime success,\r\nFurthering through perseverance."));
        QVERIFY(!casting()->cmdToss->isEnabled());
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
        QTest::newRow("thin frame: the design size") << 1 << 12 << true;
        QTest::newRow("thick frame and tall title bar") << 12 << 40 << false;
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
        for (QWidget *control : std::initializer_list<QWidget *>{casting()->txtUserInfo, casting()->txtJudgement,
                 casting()->txtChangeLines, casting()->cmdExit, casting()->cmdStartAgain}) {
            const QRect shown(control->mapTo(casting(), QPoint(0, 0)), control->size());
            QVERIFY2(inside.contains(shown), qPrintable(control->objectName()));
        }
        casting()->setStyle(nullptr);
    }

    void onlyTheThirdLineChanging()
    {
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        tossAll({7, 8, 6, 7, 8, 7});
        QCOMPARE(casting()->txtChangeLines->text(), QStringLiteral("Line 3 Changed\r\n"));
        // Lines 3, 2, 1 = yin, yin, yang below; 6, 5, 4 = yang, yin, yang above.
        QCOMPARE(casting()->lblJudgement->text(), QStringLiteral("21 Shih Ho Biting Through"));
        QCOMPARE(casting()->label(4)->text(), QStringLiteral("------ x ------"));
        QCOMPARE(casting()->label(9)->text(), QStringLiteral("----------------"));
    }

    void startAgainBeginsANewCast_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void startAgainBeginsANewCast()
    {
        // A new cast must start at line 1 with an enabled button and the launcher still hidden.
        QFETCH(bool, byMenu);
        openTool();
        ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
        tossAll({7, 7, 7, 7, 7, 7});
        if (byMenu)
            casting()->mnuStart->trigger();
        else
            casting()->cmdStartAgain->click();
        QVERIFY(!casting());
        QVERIFY(question()->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        ask(QStringLiteral("Bo"), QStringLiteral("When?"));
        QVERIFY(casting()->cmdToss->isEnabled());
        QCOMPARE(casting()->cast().intCurrentLine, qint16(0));
        QCOMPARE(figure(1, 12), QStringList(12, QString()));
        QVERIFY(casting()->lblJudgement->text().isEmpty());
        QCOMPARE(casting()->txtUserInfo->text(), QStringLiteral("Name: Bo\r\n\r\nQuestion: When?"));
    }

    void exitLeadsBackToThePanel_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("casting Exit button") << QStringLiteral("cmdExit");
        QTest::newRow("casting Exit menu") << QStringLiteral("mnuExit");
        QTest::newRow("casting close box") << QStringLiteral("close");
        QTest::newRow("question Exit button") << QStringLiteral("question cmdExit");
        QTest::newRow("question close box") << QStringLiteral("question close");
    }

    void exitLeadsBackToThePanel()
    {
        // Leaving either window must end the tool and show the panel, with nothing left open.
        QFETCH(QString, how);
        openTool();
        if (how.startsWith(QStringLiteral("question"))) {
            if (how.endsWith(QStringLiteral("cmdExit")))
                question()->cmdExit->click();
            else
                question()->close();
        } else {
            ask(QStringLiteral("Ann"), QStringLiteral("Why?"));
            if (how == QStringLiteral("cmdExit"))
                casting()->cmdExit->click();
            else if (how == QStringLiteral("mnuExit"))
                casting()->mnuExit->trigger();
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
        question()->txtName->setText(QStringLiteral("Ann"));
        question()->txtQuestion->setText(QStringLiteral("Why?"));
        question()->mnuNext->trigger();
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
        casting()->cmdToss->click();
        QVERIFY(casting()->picCoin[0]->picture().source().endsWith(QStringLiteral("pics/heads.gif")));
        QVERIFY(casting()->picCoin[2]->picture().source().endsWith(QStringLiteral("pics/tails.gif")));
        QVERIFY(!casting()->picCoin[0]->picture().isNull());
        QCOMPARE(casting()->picCoin[0]->accessibleDescription(), QStringLiteral("heads"));

        QTemporaryDir empty;
        iching::setPicturesFolder(empty.path());
        queueLines({7});
        casting()->cmdToss->click();
        QVERIFY(casting()->picCoin[0]->picture().isNull());
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
