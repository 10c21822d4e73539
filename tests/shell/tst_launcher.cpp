// The launcher: opening tools, the thirteen closes, captions, hover, menus, About and Exit.
#include "shell/frmAbout.h"
#include "shell/panel.h"
#include "shell/qt_platform.h"
#include "shell/tool_window.h"
#include "shell/web_pages.h"
#include "support/gui_test.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace shell;
using testsupport::control;

namespace {

QStringList g_log;

// A stand-in tool window that writes what happens to it into the log.
class RecordingWindow : public ToolWindow
{
public:
    RecordingWindow(frmMDI &mdi, WindowId id)
        : ToolWindow(mdi, id)
    {
        setWindowTitle(QString::fromLatin1(windowName(id)));
        setClientSizeTwips(4000, 2000);
    }
    std::function<void()> onUnload;
    void prepareForLauncher() override { g_log << QStringLiteral("prepare"); }
    void placedByLauncher() override { g_log << QStringLiteral("placed %1").arg(x()); }

protected:
    void Form_Load() override { g_log << QStringLiteral("load %1").arg(QLatin1String(windowName(id()))); }
    void Form_Unload() override
    {
        g_log << QStringLiteral("unload %1").arg(QLatin1String(windowName(id())));
        if (onUnload)
            onUnload();
    }
};

const std::vector<WindowId> kAll{
    WindowId::ChineseZodiacMain,  WindowId::ChineseZodiacDisplay, WindowId::ChineseZodiacSave,
    WindowId::FortuneCookieMain,  WindowId::FortuneCookieDisplay, WindowId::IChingSoftwareStart,
    WindowId::IChingSoftwareMain, WindowId::MahjongOracleMain,    WindowId::MahjongOracleDisplay,
};

void registerAll(frmMDI &mdi)
{
    for (const WindowId id : kAll)
        mdi.windows().registerFactory(id, [&mdi, id] { return new RecordingWindow(mdi, id); });
}

void moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, widget->rect().center(), widget->mapToGlobal(widget->rect().center()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

Q_DECLARE_METATYPE(shell::WindowId)

class TestLauncher : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestLauncher()
        : GuiTest(registerAll, QSize(1000, 700))
    {
    }

protected:
    void beforeLauncher() override { g_log.clear(); }

private:
    QList<QUrl> openedPages() const { return {m_fakes->webPages.opened.begin(), m_fakes->webPages.opened.end()}; }

private slots:
    void showsTitleStripsEveryControlAndTheSharedHelpMenu()
    {
        // A missing or misnamed control breaks every journey that starts here.
        QCOMPARE(m_mdi->windowTitle(), QStringLiteral("Tavrenne v1.25"));
        testsupport::verifyShows(m_mdi.get(), {{"cmdSelectOption(0)", "Chinese Zodiac Software"},
                                               {"cmdSelectOption(1)", "Fortune Cookie"},
                                               {"cmdSelectOption(2)", "IChing Software"},
                                               {"cmdSelectOption(3)", "Mahjong Oracle"},
                                               {"cmdMdiExit", "&Exit"},
                                               {"mnuExit", "E&xit"}});
        for (int i = 0; i < 7; ++i)
            QVERIFY2(caption(i)->isVisible(), qPrintable(caption(i)->objectName()));
        // Zodiac, I Ching, Fortune Cookie, Mahjong: the buttons left to right, their links (3 on) top to bottom.
        const int order[] = {0, 2, 1, 3};
        for (int i = 1; i < 4; ++i) {
            const QByteArray pair = QByteArray::number(order[i - 1]) + " before " + QByteArray::number(order[i]);
            QVERIFY2(toolButton(order[i - 1])->x() < toolButton(order[i])->x(), pair.constData());
            QVERIFY2(caption(order[i - 1] + 3)->y() < caption(order[i] + 3)->y(), pair.constData());
        }
        for (const char *name : {"Picture6", "lblOrrindelBanner", "Picture1", "picButtonContainer", "Picture2",
                                 "Picture3", "Picture4", "Picture5", "picMain", "PicCoBrand", "cmdMdiExit", "Label7"})
            QVERIFY2(control<QWidget>(m_mdi.get(), QString::fromLatin1(name))->isVisible(), name);
        // Every window builds its Help menu from one place; its order is part of the program.
        QCOMPARE(testsupport::menuEntries(m_mdi.get(), "mnuHelp"),
                 QStringList({"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "mnuHelpSep1=-",
                              "mnuUpdate=Check for Software &Update", "mnuHelpSep2=-", "mnuAbout=&About Software"}));
    }

    void controlsStayCentredWhenTheLauncherIsResized()
    {
        // Items laid out once at load end up off-centre, or the Exit button off-screen.
        auto *picMain = control<QWidget>(m_mdi.get(), "picMain");
        auto *buttons = control<QWidget>(m_mdi.get(), "picButtonContainer");
        auto *exit = control<QPushButton>(m_mdi.get(), "cmdMdiExit");
        for (const int width : {1000, 1400, 900}) {
            m_mdi->resize(width, 700);
            QTRY_COMPARE(picMain->width(), m_mdi->centralWidget()->width());
            const int panel = picMain->width();
            for (int index = 0; index < 7; ++index)
                QCOMPARE(caption(index)->x(), (panel - caption(index)->width()) / 2);
            QCOMPARE(buttons->x(), (panel - buttons->width()) / 2);
            QVERIFY(exit->geometry().right() < control<QWidget>(m_mdi.get(), "PicCoBrand")->width());
            QVERIFY(exit->x() > panel / 2);
        }
    }

    void secondPassClosesWindowsThatACloseHandlerReopened()
    {
        // A close handler that shows its sibling again must not leave it behind.
        auto *entry = static_cast<RecordingWindow *>(m_mdi->windows().window(WindowId::ChineseZodiacMain));
        m_mdi->windows().window(WindowId::FortuneCookieDisplay);
        entry->onUnload = [this] { m_mdi->windows().window(WindowId::ChineseZodiacDisplay)->show(); };
        auto *cookies = static_cast<RecordingWindow *>(m_mdi->windows().window(WindowId::FortuneCookieMain));
        cookies->onUnload = [this] { m_mdi->windows().window(WindowId::FortuneCookieDisplay)->show(); };
        QTest::mouseClick(toolButton(3), Qt::LeftButton);
        QVERIFY(!m_mdi->windows().isOpen(WindowId::ChineseZodiacDisplay));
        QVERIFY(!m_mdi->windows().isOpen(WindowId::FortuneCookieDisplay));
        QVERIFY(m_mdi->windows().isOpen(WindowId::MahjongOracleMain));
    }

    void eachChoiceClosesEveryToolWindowInOrderThenOpensItsTool_data()
    {
        QTest::addColumn<bool>("byCaption");
        QTest::addColumn<int>("index");
        QTest::addColumn<WindowId>("window");
        const WindowId tools[] = {WindowId::ChineseZodiacMain, WindowId::FortuneCookieMain,
                                  WindowId::IChingSoftwareMain, WindowId::MahjongOracleMain};
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("button %d", i) << false << i << tools[i];
            QTest::addRow("caption %d", i + 3) << true << i + 3 << tools[i];
        }
    }

    void eachChoiceClosesEveryToolWindowInOrderThenOpensItsTool()
    {
        // Leftover windows of another tool would pile up behind the new one. The index, not the order on
        // screen, picks the tool; a mix-up opens the wrong one.
        QFETCH(bool, byCaption);
        QFETCH(int, index);
        QFETCH(WindowId, window);
        for (const WindowId id : kAll)
            m_mdi->windows().window(id)->show();
        QSignalSpy closed(&m_mdi->windows(), &WindowRegistry::windowClosed);
        QTest::mouseClick(byCaption ? static_cast<QWidget *>(caption(index)) : toolButton(index), Qt::LeftButton);
        QList<WindowId> order;
        for (const auto &args : closed)
            order << args.at(0).value<WindowId>();
        const QList<WindowId> expected{WindowId::ChineseZodiacDisplay, WindowId::ChineseZodiacMain,
                                       WindowId::ChineseZodiacSave,    WindowId::FortuneCookieDisplay,
                                       WindowId::FortuneCookieMain,    WindowId::IChingSoftwareMain,
                                       WindowId::IChingSoftwareStart,  WindowId::MahjongOracleDisplay,
                                       WindowId::MahjongOracleMain};
        QCOMPARE(order, expected);
        ToolWindow *opened = m_mdi->windows().find(window);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(m_mdi->windows().openWindows().size(), size_t(1));
        // Placed centred at the top of the client area, after it was shown, and only then pressed on.
        QCOMPARE(opened->pos(), placeOf(opened));
        QCOMPARE(g_log.mid(g_log.size() - 2),
                 (QStringList{QStringLiteral("prepare"), QStringLiteral("placed %1").arg(opened->x())}));
    }

    void choicesWithoutAToolOnlyCloseLeftoverWindows_data()
    {
        QTest::addColumn<int>("index"); // of a caption; none: an option without a tool
        QTest::newRow("title") << 0;
        QTest::newRow("description") << 1;
        QTest::newRow("tagline") << 2;
        QTest::newRow("option without a tool") << -1;
    }

    void choicesWithoutAToolOnlyCloseLeftoverWindows()
    {
        // A click on the title must tidy up hidden and shown windows but never leave the panel; an option
        // without a tool does the closes and hides the panel, and opens nothing.
        QFETCH(int, index);
        m_mdi->windows().window(WindowId::FortuneCookieMain); // loaded, hidden
        m_mdi->windows().window(WindowId::MahjongOracleMain)->show();
        if (index < 0)
            m_mdi->cmdSelectOption_Click(7);
        else
            QTest::mouseClick(caption(index), Qt::LeftButton);
        QVERIFY(m_mdi->windows().openWindows().empty());
        QCOMPARE(m_mdi->isPanelVisible(), index >= 0);
    }

    void closingAToolWindowBringsThePanelBackUnlessItHandsOver()
    {
        // The user must always land either in a tool or on the panel.
        QTest::mouseClick(toolButton(0), Qt::LeftButton);
        QVERIFY(!m_mdi->isPanelVisible());
        m_mdi->windows().find(WindowId::ChineseZodiacMain)->close();
        QVERIFY(m_mdi->isPanelVisible());
        QVERIFY(!m_mdi->windows().isOpen(WindowId::ChineseZodiacMain));
        // A window handing over to its sibling must not flash the panel back.
        QTest::mouseClick(toolButton(2), Qt::LeftButton);
        m_mdi->windows().find(WindowId::IChingSoftwareMain)->closeHandingOver();
        QVERIFY(!m_mdi->isPanelVisible());
        QVERIFY(!m_mdi->windows().isOpen(WindowId::IChingSoftwareMain));
    }

    void registryCreatesOnceAndClosingAClosedWindowIsHarmless()
    {
        // Two copies of one window, or a crash on a double close, would break the tools.
        ToolWindow *first = m_mdi->windows().window(WindowId::FortuneCookieMain);
        QCOMPARE(m_mdi->windows().window(WindowId::FortuneCookieMain), first);
        QCOMPARE(g_log.count(QStringLiteral("load frmFortuneCookieMain")), 1);
        m_mdi->windows().close(WindowId::FortuneCookieMain);
        m_mdi->windows().close(WindowId::FortuneCookieMain);
        QCOMPARE(g_log.count(QStringLiteral("unload frmFortuneCookieMain")), 1);
        QVERIFY(m_mdi->windows().find(WindowId::FortuneCookieMain) == nullptr);
        QVERIFY(m_mdi->windows().window(WindowId::FortuneCookieMain) != nullptr);
        QCOMPARE(g_log.count(QStringLiteral("load frmFortuneCookieMain")), 2);
    }

    void hoverUnderlinesOnlyLinkCaptions()
    {
        // Links show they can be clicked; titles never do; the panel clears them all.
        moveOver(caption(4));
        QVERIFY(caption(4)->font().underline());
        moveOver(caption(6));
        QVERIFY(caption(6)->font().underline());
        QVERIFY(caption(4)->font().underline());
        moveOver(caption(0));
        QVERIFY(!caption(0)->font().underline());
        moveOver(control<shell::Panel>(m_mdi.get(), "picMain"));
        for (int index = 0; index < 7; ++index)
            QVERIFY(!caption(index)->font().underline());
    }

    void helpEntriesAndBannersOpenTheirPages_data()
    {
        QTest::addColumn<int>("page"); // opened by the control the row is named after
        QTest::newRow("mnuOnline") << int(WebPage::OnlineHelp);
        QTest::newRow("mnuVisit") << int(WebPage::HomePage);
        QTest::newRow("mnuUpdate") << int(WebPage::Download);
        QTest::newRow("Picture6") << int(WebPage::HomePage);
        QTest::newRow("lblOrrindelBanner") << int(WebPage::HomePage);
        QTest::newRow("Label7") << int(WebPage::BrandingOffer);
    }

    void helpEntriesAndBannersOpenTheirPages()
    {
        // Each link must lead to its own page, and never to a real browser in a test.
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QFETCH(int, page);
        if (auto *action = m_mdi->findChild<QAction *>(name))
            action->trigger();
        else
            QTest::mouseClick(control<QWidget>(m_mdi.get(), name), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(openedPages(), QList<QUrl>{webPageAddress(WebPage(page))});
    }

    void aboutBoxIsModalAndOkClosesIt()
    {
        // The About box must block its window until OK, then leave it as it was.
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = true;
            QCOMPARE(box->windowTitle(), QStringLiteral("Tavrenne v1.25"));
            QVERIFY(box->isModal());
            QVERIFY(box->Label1->text().startsWith(
                QStringLiteral("Tavrenne is an excellent and thought provoking program.")));
            QTest::mouseClick(box->lblHomePage, Qt::LeftButton, Qt::NoModifier,
                              QPoint(box->lblHomePage->width() - 3, 3));
            QTest::mouseClick(box->lblCoBrand, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
            QCOMPARE(box->cmdOK->text(), QStringLiteral("&OK"));
            box->cmdOK->click();
        });
        testsupport::press(m_mdi.get(), QStringLiteral("mnuAbout"));
        QVERIFY(seen);
        QTRY_VERIFY(m_mdi->findChild<frmAbout *>() == nullptr);
        QCOMPARE(openedPages(),
                 (QList<QUrl>{webPageAddress(WebPage::HomePage), webPageAddress(WebPage::BrandingOffer)}));
        QVERIFY(m_mdi->isPanelVisible());
    }

    void exitClosesToolWindowsThenEndsTheProgram_data()
    {
        testsupport::addWays({{"button", "cmdMdiExit"}, {"menu", "mnuExit"}});
    }

    void exitClosesToolWindowsThenEndsTheProgram()
    {
        // Quitting with a tool open must still run the tool's own close handling, then end once.
        QFETCH(QString, how);
        QTest::mouseClick(toolButton(1), Qt::LeftButton);
        testsupport::press(m_mdi.get(), how);
        QVERIFY(g_log.contains(QStringLiteral("unload frmFortuneCookieMain")));
        QVERIFY(m_mdi->windows().openWindows().empty());
        QCOMPARE(m_fakes->process.ends, 1);
        QVERIFY(!m_mdi->isVisible());
    }

    void saveDialogSaysWhatIsWrongBeforeItCloses_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::newRow("folder that does not exist") << QStringLiteral("missing/reading.str");
        QTest::newRow("read-only file") << QStringLiteral("locked.str");
        // Qt took the quote for a mark between two names and saved under the second, elsewhere.
        QTest::newRow("double quote in the name") << QStringLiteral("say\"hi.str");
        // Qt's dialog ignored the name without a word.
        QTest::newRow("name too long for the file system") << QString(300, QLatin1Char('a')) + QStringLiteral(".str");
    }

    void saveDialogSaysWhatIsWrongBeforeItCloses()
    {
        // A path the save cannot use, returned by the dialog, loses the reading one step later
        // with the dialog already gone; it must be refused while the user can still pick another.
#ifdef Q_OS_WIN
        QSKIP("Windows shows its own file dialog, which a test cannot type into.");
#endif
        QFETCH(QString, bad);
        QTemporaryDir dir;
        QFile locked(dir.filePath(QStringLiteral("locked.str")));
        QVERIFY(locked.open(QIODevice::WriteOnly));
        locked.close();
        QVERIFY(locked.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser));
        installQtPlatform();
        installPlatform(Platform{&m_fakes->messages});
        FileDialogRequest request;
        request.kind = FileDialogRequest::Kind::Save;
        request.filter = QStringLiteral("Rich Text Format (*.str)");
        request.defaultSuffix = QStringLiteral("str");
        request.hideReadOnly = true;
        request.folderMustExist = true;
        request.noReadOnlyReturn = true;
        const QString good = dir.filePath(QStringLiteral("reading.str"));
        bool stayedOpen = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answer.stop();
            // Picked, typed into the file name box whether or not it has the focus, and confirmed.
            auto *typed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(typed);
            QDialog *asDialog = dialog;
            // The button itself: Qt greys it out for some names it would then ignore.
            auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            QVERIFY(buttons && buttons->button(QDialogButtonBox::Save));
            const auto choose = [&](const QString &path) {
                dialog->selectFile(path);
                typed->setText(path);
                buttons->button(QDialogButtonBox::Save)->click();
            };
            choose(dir.filePath(bad));
            stayedOpen = dialog->isVisible();
            choose(good);
            if (dialog->isVisible())
                asDialog->reject();
        });
        answer.start(20);
        const QString chosen = platform().fileDialogs->ask(request);
        QCOMPARE(chosen, good);
        QVERIFY(stayedOpen);
        QCOMPARE(m_fakes->messages.shown.size(), size_t(1));
        QCOMPARE(m_fakes->messages.shown.front().icon, MessageIcon::Critical);
    }
};

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
