// The Chinese Zodiac end to end: entry, validation, the result form, Back, Exit, Print and the close boxes.
#include "shell/frmMDI.h"
#include "shell/web_pages.h"
#include "support/gui_test.h"
#include "zodiac/frmChineseZodiacDisplay.h"
#include "zodiac/frmChineseZodiacMain.h"
#include "zodiac/sign_attributes.h"
#include "zodiac/zodiac_result.h"
#include "zodiac/zodiac_windows.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QWheelEvent>

using namespace zodiac;
using shell::WebPage;
using testsupport::control;

Q_DECLARE_METATYPE(shell::WebPage)

namespace {

constexpr int None = -1;
constexpr int Male = 0;
constexpr int Female = 1;

const SignAttributes &sheetOf(const QString &sign)
{
    for (const SignAttributes &row : SignTable) {
        if (sign == QLatin1String(row.sign))
            return row;
    }
    qFatal("no sheet for %s", qPrintable(sign));
}

QString elementTextOf(const QString &element)
{
    for (const ElementText &row : ElementTable) {
        if (element == QLatin1String(row.element))
            return QString::fromLatin1(row.text);
    }
    return QString();
}

// Everything the result form shows, by control name.
QMap<QString, QString> shownOn(frmChineseZodiacDisplay *display)
{
    QMap<QString, QString> shown;
    for (const QLabel *label : display->findChildren<QLabel *>())
        shown.insert(label->objectName(), label->text());
    for (const QLineEdit *box : display->findChildren<QLineEdit *>())
        shown.insert(box->objectName(), box->text());
    for (const QPlainTextEdit *box : display->findChildren<QPlainTextEdit *>())
        shown.insert(box->objectName(), box->toPlainText());
    for (const QGroupBox *frame : display->findChildren<QGroupBox *>())
        shown.insert(frame->objectName(), frame->title());
    shown.insert(QStringLiteral("MV"), control<QCalendarWidget>(display, "MV")->selectedDate().toString(Qt::ISODate));
    return shown;
}

} // namespace

class TestZodiacWindows : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestZodiacWindows()
        : GuiTest(zodiac::registerWindows, QSize(1280, 900))
    {
    }

protected:
    void beforeLauncher() override { ZodiacResult = ZodiacReading(); }

private:
    frmChineseZodiacMain *entry() { return tool<frmChineseZodiacMain>(); }
    frmChineseZodiacDisplay *result() { return tool<frmChineseZodiacDisplay>(); }

    void enter(const QString &name, int sex, int day, int month, int year)
    {
        frmChineseZodiacMain *form = entry();
        control<QLineEdit>(form, "txtName")->setText(name);
        if (sex != None)
            control<QRadioButton>(form, QStringLiteral("optSex(%1)").arg(sex))->setChecked(true);
        control<QComboBox>(form, "cboDate")->setCurrentIndex(day - 1);
        control<QComboBox>(form, "cboMonth")->setCurrentIndex(month - 1);
        control<QComboBox>(form, "cboYear")->setCurrentIndex(year - 1936);
    }

    void proceed(const QString &name, int sex, int day, int month, int year)
    {
        enter(name, sex, day, month, year);
        QTest::mouseClick(control<QPushButton>(entry(), "cmdProceed"), Qt::LeftButton);
    }

    void openTool()
    {
        m_mdi->cmdSelectOption_Click(0);
        QVERIFY(entry() && entry()->isVisible());
    }

    void verifyReadingShown(const QString &sign, const QString &element, QDate birth)
    {
        frmChineseZodiacDisplay *display = result();
        QVERIFY(display && display->isVisible());
        const SignAttributes &sheet = sheetOf(sign);
        const QMap<QString, QString> expected{
            {"fraStarUserSignDetails", sign},
            {"lblChineseSign", sign},
            {"lblChineseElement", element},
            {"txtChineseElement", elementTextOf(element)},
            {"txtRulingPlanet", QLatin1String(sheet.rulingPlanet)},
            {"txtPositiveTraits", QLatin1String(sheet.positiveTraits)},
            {"txtNegativeTraits", QLatin1String(sheet.negativeTraits)},
            {"txtMostCompSign", QLatin1String(sheet.mostCompatible)},
            {"txtLeastCompSign", QLatin1String(sheet.leastCompatible)},
            {"txtLuckyColor", QLatin1String(sheet.luckyColour)},
            {"txtGemStone", QLatin1String(sheet.gemstone)},
            {"txtEnergy", QLatin1String(sheet.energy)},
            {"txtLuckySeason", QLatin1String(sheet.favourableSeason)},
            {"txtLuckyMonth", QLatin1String(sheet.favourableMonth)},
            {"txtFamousPersons", QLatin1String(sheet.famousPersons)},
            {"MV", birth.toString(Qt::ISODate)},
        };
        const QMap<QString, QString> shown = shownOn(display);
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QCOMPARE(shown.value(it.key()), it.value());
        auto *calendar = control<QCalendarWidget>(display, "MV");
        QCOMPARE(calendar->yearShown(), birth.year());
        QCOMPARE(calendar->monthShown(), birth.month());
    }

private slots:
    void toolOpensFromItsButtonAndItsLinkCaption_data()
    {
        QTest::addColumn<bool>("caption");
        QTest::newRow("button 0") << false;
        QTest::newRow("caption 3") << true;
    }

    void toolOpensFromItsButtonAndItsLinkCaption()
    {
        // Either way into the tool must show the entry form alone, at the top and centred, with the panel gone.
        QFETCH(bool, caption);
        if (caption)
            m_mdi->lblCaption_Click(3);
        else
            m_mdi->cmdSelectOption_Click(0);
        QVERIFY(entry() && entry()->isVisible());
        QVERIFY(!result());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(entry()->pos(), placeOf(entry()));
    }

    void entryFormOpensWithItsDefaults()
    {
        // A preselected sex or a stale date would hand the reader a reading they never asked for.
        openTool();
        frmChineseZodiacMain *form = entry();
        QCOMPARE(form->windowTitle(), QStringLiteral("Qelvo Chinese Zodiac Software"));
        QVERIFY(!form->findChild<QMenuBar *>());
        QCOMPARE(control<QGroupBox>(form, "fraDetails")->title(), QStringLiteral("Your Details Please"));
        QCOMPARE(control<QLabel>(form, "Label1")->text(), QStringLiteral("Name"));
        QCOMPARE(control<QLabel>(form, "Label5")->text(), QStringLiteral("Sex"));
        QCOMPARE(control<QLabel>(form, "Label2")->text(), QStringLiteral("Birth Day"));
        QVERIFY(control<QLineEdit>(form, "txtName")->text().isEmpty());
        QCOMPARE(control<QRadioButton>(form, QStringLiteral("optSex(%1)").arg(0))->objectName(),
                 QStringLiteral("optSex(0)"));
        QCOMPARE(control<QRadioButton>(form, QStringLiteral("optSex(%1)").arg(0))->text(), QStringLiteral("Male"));
        QCOMPARE(control<QRadioButton>(form, QStringLiteral("optSex(%1)").arg(1))->objectName(),
                 QStringLiteral("optSex(1)"));
        QCOMPARE(control<QRadioButton>(form, QStringLiteral("optSex(%1)").arg(1))->text(), QStringLiteral("Female"));
        QVERIFY(!control<QRadioButton>(form, QStringLiteral("optSex(%1)").arg(0))->isChecked()
                && !control<QRadioButton>(form, QStringLiteral("optSex(%1)").arg(1))->isChecked());
        QCOMPARE(control<QComboBox>(form, "cboDate")->count(), 31);
        QCOMPARE(control<QComboBox>(form, "cboMonth")->count(), 12);
        QCOMPARE(control<QComboBox>(form, "cboYear")->count(), 84);
        QCOMPARE(control<QComboBox>(form, "cboDate")->currentText(), QStringLiteral("1"));
        QCOMPARE(control<QComboBox>(form, "cboMonth")->currentText(), QStringLiteral("January"));
        QCOMPARE(control<QComboBox>(form, "cboYear")->currentText(), QStringLiteral("1936"));
        for (QComboBox *list : {control<QComboBox>(form, "cboDate"), control<QComboBox>(form, "cboMonth"),
                                control<QComboBox>(form, "cboYear")})
            QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
        QCOMPARE(control<QPushButton>(form, "cmdProceed")->text(), QStringLiteral("&Proceed"));
        QCOMPARE(control<QPushButton>(form, "cmdOpen")->text(), QStringLiteral("&Open Previously Saved Record"));
        QVERIFY(control<QPushButton>(form, "cmdOpen")->isVisible());
        QCOMPARE(control<QLabel>(form, "Label1")->buddy(), control<QLineEdit>(form, "txtName"));
        QCOMPARE(control<QLabel>(form, "Label2")->buddy(), control<QComboBox>(form, "cboDate"));
        QVERIFY(!control<QComboBox>(form, "cboMonth")->accessibleName().isEmpty()
                && !control<QComboBox>(form, "cboYear")->accessibleName().isEmpty());
    }

    void bannerLabelsOpenTheirPages_data()
    {
        QTest::addColumn<bool>("onResult");
        QTest::addColumn<QString>("label");
        QTest::addColumn<WebPage>("page");
        QTest::newRow("entry Label14") << false << "Label14" << WebPage::HomePage;
        QTest::newRow("entry Label3") << false << "Label3" << WebPage::HomePage;
        QTest::newRow("entry lblCobrand") << false << "lblCobrand" << WebPage::CoBranding;
        QTest::newRow("entry lblFullBrand") << false << "lblFullBrand" << WebPage::BrandingOffer;
        QTest::newRow("result Label14") << true << "Label14" << WebPage::HomePage;
        QTest::newRow("result lblCobrand") << true << "lblCobrand" << WebPage::CoBranding;
        QTest::newRow("result lblFullBrand") << true << "lblFullBrand" << WebPage::BrandingOffer;
    }

    void bannerLabelsOpenTheirPages()
    {
        // Each banner is a promise of one page; a swapped link sends the reader somewhere else.
        QFETCH(bool, onResult);
        QFETCH(QString, label);
        QFETCH(WebPage, page);
        openTool();
        if (onResult)
            proceed(QStringLiteral("Bo"), Male, 1, 1, 1936);
        shell::ToolWindow *window = onResult ? static_cast<shell::ToolWindow *>(result()) : entry();
        auto *link = window->findChild<QLabel *>(label);
        QVERIFY(link && link->isVisible());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        const bool branded = label.startsWith(QLatin1String("lbl"));
        QCOMPARE(link->parentWidget()->objectName() == QLatin1String("fraFullBrand"), branded);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(m_fakes->webPages.opened.size(), std::size_t(1));
        QCOMPARE(m_fakes->webPages.opened.back(), shell::webPageAddress(page));
    }

    void validationFailureSaysWhyAndKeepsEverything_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        // clang-format off
        QTest::newRow("empty name, no sex") << "" << None << 1 << 1 << 1936 << "Please Enter Your Name" << "txtName";
        QTest::newRow("no sex") << "Bo" << None << 1 << 1 << 1936 << "Please Specify Your Sex" << "cmdProceed";
        QTest::newRow("29 Feb 1997") << "Bo" << Male << 29 << 2 << 1997 << "Please Enter Correct Date Or Month!"
                                     << "cboYear";
        QTest::newRow("30 Feb 1996") << "Bo" << Female << 30 << 2 << 1996 << "Please Enter Correct Date Or Month!"
                                     << "cboYear";
        QTest::newRow("31 Apr 1980") << "Bo" << Female << 31 << 4 << 1980 << "Please Enter Correct Date Or Month !"
                                     << "cboYear";
        // clang-format on
    }

    void validationFailureSaysWhyAndKeepsEverything()
    {
        // A failed check must say why in an information box, send the focus where fixing starts, and change nothing.
        QFETCH(QString, name);
        QFETCH(int, sex);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        openTool();
        ZodiacReading earlier;
        earlier.name = QStringLiteral("Earlier");
        earlier.sign = QStringLiteral("Ox");
        ZodiacResult = earlier;
        enter(name, sex, day, month, year);
        control<QComboBox>(entry(), "cboYear")->setFocus();
        control<QPushButton>(entry(), "cmdProceed")->click();

        QCOMPARE(m_fakes->messages.texts(), QStringList{message});
        const shell::MessageRequest &box = m_fakes->messages.shown.front();
        QCOMPARE(box.icon, shell::MessageIcon::Information);
        QCOMPARE(box.buttons, shell::MessageButtons::Ok);
        QCOMPARE(box.title, QStringLiteral("Tavrenne"));
        QCOMPARE(entry()->focusWidget()->objectName(), focus);
        QVERIFY(ZodiacResult == earlier);
        QVERIFY(!result());
        QVERIFY(entry()->isVisible());
        QCOMPARE(control<QLineEdit>(entry(), "txtName")->text(), name);
        QCOMPARE(control<QComboBox>(entry(), "cboDate")->currentIndex(), day - 1);
        QCOMPARE(control<QComboBox>(entry(), "cboMonth")->currentIndex(), month - 1);
        QCOMPARE(control<QComboBox>(entry(), "cboYear")->currentIndex(), year - 1936);
        if (sex != None)
            QVERIFY(control<QRadioButton>(entry(), QStringLiteral("optSex(%1)").arg(sex))->isChecked());
    }

    void untouchedDefaultsReadAsTheWoodPigOfJanuary1936()
    {
        // 1 January 1936 falls before that year's new year; reading it as the Fire Rat is the fault.
        openTool();
        proceed(QStringLiteral("Bo"), Male, 1, 1, 1936);
        verifyReadingShown(QStringLiteral("Pig"), QStringLiteral("Wood"), QDate(1936, 1, 1));
        QCOMPARE(control<QLabel>(result(), "lblName")->text(), QStringLiteral("Mr. Bo"));
        QCOMPARE(ZodiacResult.birthDate, QDate(1936, 1, 1));
        QVERIFY(!entry()->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        QVERIFY(m_fakes->messages.shown.empty());
        QCOMPARE(result()->pos(), placeOf(result()));
    }

    void resultShowsTheWholeReadingOfTheDate_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("element");
        // clang-format off
        QTest::newRow("28 Jan 1960") << QDate(1960, 1, 28) << "Rat" << "Metal";
        QTest::newRow("29 Feb 1996") << QDate(1996, 2, 29) << "Rat" << "Fire";
        QTest::newRow("31 Dec 2019") << QDate(2019, 12, 31) << "Pig" << "Earth";
        // clang-format on
    }

    void resultShowsTheWholeReadingOfTheDate()
    {
        // Every box must carry its own field of the reading, and the calendar the birth date itself.
        QFETCH(QDate, birth);
        QFETCH(QString, sign);
        QFETCH(QString, element);
        openTool();
        proceed(QStringLiteral("Ann"), Female, birth.day(), birth.month(), birth.year());
        verifyReadingShown(sign, element, birth);
    }

    void greetingFollowsTheSex_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("Ann, female") << "Ann" << Female << "Ms. Ann";
        QTest::newRow("Bo, male") << "Bo" << Male << "Mr. Bo";
        QTest::newRow("spaces, male") << "   " << Male << "Mr. ";
        QTest::newRow("padded name") << "  Ann  " << Female << "Ms. Ann";
    }

    void greetingFollowsTheSex()
    {
        // A name of spaces passes and greets nobody by name; padding must not reach the greeting.
        QFETCH(QString, name);
        QFETCH(int, sex);
        openTool();
        proceed(name, sex, 5, 5, 1985);
        QVERIFY(m_fakes->messages.shown.empty());
        QTEST(control<QLabel>(result(), "lblName")->text(), "greeting");
    }

    void backThenANewDateShowsTheNewReading_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void backThenANewDateShowsTheNewReading()
    {
        // Back only hides the result; showing it again must refill it, or the old sign stays on screen.
        QFETCH(bool, byMenu);
        openTool();
        proceed(QStringLiteral("Ann"), Female, 12, 3, 1975);
        frmChineseZodiacDisplay *first = result();
        if (byMenu)
            control<QAction>(first, "mnuBack")->trigger();
        else
            QTest::mouseClick(control<QPushButton>(first, "cmdBack"), Qt::LeftButton);
        QVERIFY(entry()->isVisible());
        QCOMPARE(result(), first);
        QVERIFY(!first->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(control<QLineEdit>(entry(), "txtName")->text(), QStringLiteral("Ann"));
        QVERIFY(control<QRadioButton>(entry(), QStringLiteral("optSex(%1)").arg(Female))->isChecked());
        QCOMPARE(control<QComboBox>(entry(), "cboYear")->currentText(), QStringLiteral("1975"));

        control<QComboBox>(entry(), "cboYear")->setCurrentIndex(1980 - 1936);
        QTest::mouseClick(control<QPushButton>(entry(), "cmdProceed"), Qt::LeftButton);
        QCOMPARE(result(), first);
        verifyReadingShown(QStringLiteral("Monkey"), QStringLiteral("Metal"), QDate(1980, 3, 12));
        QCOMPARE(control<QLabel>(result(), "lblName")->text(), QStringLiteral("Ms. Ann"));
        QVERIFY(!entry()->isVisible());
    }

    void secondReadingLeavesNothingOfTheFirst()
    {
        // Whatever the second Proceed does not overwrite would still show the first person's sheet.
        openTool();
        proceed(QStringLiteral("Madge"), Female, 16, 8, 1958);
        QTest::mouseClick(control<QPushButton>(result(), "cmdBack"), Qt::LeftButton);
        control<QRadioButton>(entry(), QStringLiteral("optSex(%1)").arg(Male))->setChecked(true);
        proceed(QStringLiteral("Bo"), Male, 9, 10, 1940);
        const QMap<QString, QString> afterTwo = shownOn(result());

        m_mdi->cmdSelectOption_Click(0);
        QVERIFY(!result());
        proceed(QStringLiteral("Bo"), Male, 9, 10, 1940);
        QCOMPARE(shownOn(result()), afterTwo);
        verifyReadingShown(QStringLiteral("Dragon"), QStringLiteral("Metal"), QDate(1940, 10, 9));
    }

    void exitLeadsToThePanelWhileTheEntryFormStaysHidden_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << QStringLiteral("cmdExit");
        QTest::newRow("menu") << QStringLiteral("mnuExit");
        QTest::newRow("close box") << QString();
    }

    void exitLeadsToThePanelWhileTheEntryFormStaysHidden()
    {
        // Exit leaves the tool: the panel returns and the entry form must not pop back up.
        QFETCH(QString, how);
        openTool();
        proceed(QStringLiteral("Bo"), Male, 1, 1, 1936);
        if (how == QLatin1String("cmdExit"))
            QTest::mouseClick(control<QPushButton>(result(), "cmdExit"), Qt::LeftButton);
        else if (how == QLatin1String("mnuExit"))
            control<QAction>(result(), "mnuExit")->trigger();
        else
            result()->close();
        QVERIFY(!result());
        QVERIFY(m_mdi->isPanelVisible());
        QVERIFY(entry() && !entry()->isVisible());
    }

    void closingTheEntryFormBringsThePanelBack()
    {
        // Without its panel the launcher would be an empty black area.
        openTool();
        entry()->close();
        QVERIFY(!entry());
        QVERIFY(m_mdi->isPanelVisible());
    }

    void reopenedToolStartsAfresh()
    {
        // A tool reopened from the launcher must not offer the previous reader's entries.
        openTool();
        proceed(QStringLiteral("Ann"), Female, 12, 3, 1975);
        QTest::mouseClick(control<QPushButton>(result(), "cmdExit"), Qt::LeftButton);
        openTool();
        QVERIFY(!result());
        QVERIFY(control<QLineEdit>(entry(), "txtName")->text().isEmpty());
        QVERIFY(!control<QRadioButton>(entry(), QStringLiteral("optSex(%1)").arg(0))->isChecked()
                && !control<QRadioButton>(entry(), QStringLiteral("optSex(%1)").arg(1))->isChecked());
        QCOMPARE(control<QComboBox>(entry(), "cboYear")->currentText(), QStringLiteral("1936"));
    }

    void printOpensTheSheetInFront_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void printOpensTheSheetInFront()
    {
        // Print must open the sheet in front while the reading stays open behind it.
        QFETCH(bool, byMenu);
        openTool();
        proceed(QStringLiteral("Bo"), Male, 1, 1, 1936);
        if (byMenu)
            control<QAction>(result(), "mnuPrint")->trigger();
        else
            QTest::mouseClick(control<QPushButton>(result(), "cmdPrint"), Qt::LeftButton);
        shell::ToolWindow *sheet = m_mdi->windows().find(shell::WindowId::ChineseZodiacSave);
        QVERIFY(sheet);
        QVERIFY(sheet->isVisible());
        QCOMPARE(m_mdi->mdiArea()->activeSubWindow(), sheet);
        QVERIFY(result() && result()->isVisible());
        QVERIFY(m_fakes->messages.shown.empty());
    }

    void sheetBelongsToItsReading_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("sheet's close box") << QString();
        QTest::newRow("Back button") << QStringLiteral("cmdBack");
        QTest::newRow("Back menu") << QStringLiteral("mnuBack");
        QTest::newRow("Exit button") << QStringLiteral("cmdExit");
        QTest::newRow("Exit menu") << QStringLiteral("mnuExit");
    }

    void sheetBelongsToItsReading()
    {
        // A sheet that closes onto the panel strands the reading under it; one that outlives its
        // reading prints the old reading and still takes keys where nothing shows.
        QFETCH(QString, how);
        openTool();
        proceed(QStringLiteral("Bo"), Male, 1, 1, 1936);
        QTest::mouseClick(result()->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QVERIFY(m_mdi->windows().find(shell::WindowId::ChineseZodiacSave));
        if (how.isEmpty())
            m_mdi->windows().find(shell::WindowId::ChineseZodiacSave)->close();
        else if (how.startsWith(QLatin1String("mnu")))
            result()->findChild<QAction *>(how)->trigger();
        else
            QTest::mouseClick(result()->findChild<QPushButton *>(how), Qt::LeftButton);
        QVERIFY(!m_mdi->windows().find(shell::WindowId::ChineseZodiacSave));

        if (how.isEmpty()) {
            QVERIFY(!m_mdi->isPanelVisible());
            QCOMPARE(m_mdi->mdiArea()->activeSubWindow(), result());
        } else if (how.endsWith(QLatin1String("Back"))) {
            QVERIFY(!m_mdi->isPanelVisible());
            QCOMPARE(m_mdi->mdiArea()->activeSubWindow(), entry());
            proceed(QStringLiteral("Ann"), Female, 12, 3, 1975);
            result()->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
            shell::ToolWindow *sheet = m_mdi->windows().find(shell::WindowId::ChineseZodiacSave);
            QVERIFY(sheet);
            const QString shown = sheet->findChild<QTextEdit *>(QStringLiteral("RTB"))->toPlainText();
            QVERIFY(shown.startsWith(QStringLiteral("Name: Ann")));
            QVERIFY(shown.contains(QStringLiteral("Sign: Rabbit")));
        } else {
            QVERIFY(!result());
            QVERIFY(m_mdi->isPanelVisible());
        }
    }

    void calendarShowsTheDateAndTakesNoInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("click on another day") << QStringLiteral("click");
        QTest::newRow("arrow key") << QStringLiteral("right");
        QTest::newRow("page down") << QStringLiteral("pagedown");
        QTest::newRow("wheel") << QStringLiteral("wheel");
        QTest::newRow("next month arrow") << QStringLiteral("qt_calendar_nextmonth");
        QTest::newRow("previous month arrow") << QStringLiteral("qt_calendar_prevmonth");
    }

    void calendarShowsTheDateAndTakesNoInput()
    {
        // A calendar that moves marks a day that is not the reading's birth date.
        QFETCH(QString, input);
        openTool();
        proceed(QStringLiteral("Ann"), Female, 12, 3, 1975);
        auto *calendar = result()->findChild<QCalendarWidget *>(QStringLiteral("MV"));
        auto *view = calendar->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(view);
        view->setFocus();
        if (input == QLatin1String("click")) {
            const QPoint cell = view->visualRect(view->model()->index(4, 4)).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
        } else if (input == QLatin1String("right")) {
            QTest::keyClick(view, Qt::Key_Right);
        } else if (input == QLatin1String("pagedown")) {
            QTest::keyClick(view, Qt::Key_PageDown);
        } else if (input == QLatin1String("wheel")) {
            const QPointF at = view->viewport()->rect().center();
            QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view->viewport(), &wheel);
        } else {
            auto *arrow = calendar->findChild<QToolButton *>(input);
            QVERIFY(arrow);
            if (arrow->isVisible())
                QTest::mouseClick(arrow, Qt::LeftButton);
        }
        QCOMPARE(calendar->selectedDate(), QDate(1975, 3, 12));
        QCOMPARE(calendar->yearShown(), 1975);
        QCOMPARE(calendar->monthShown(), 3);
    }

    void resultFormCarriesItsMenusAndCaptions()
    {
        // A missing or misnamed entry leaves a path of the reading unreachable from the keyboard.
        openTool();
        proceed(QStringLiteral("Bo"), Male, 1, 1, 1936);
        frmChineseZodiacDisplay *display = result();
        QCOMPARE(display->windowTitle(), QStringLiteral("Qelvo Chinese Zodiac Software"));
        const auto entries = [display](const char *menu) {
            QStringList names;
            for (const QAction *action : display->findChild<QMenu *>(QLatin1String(menu))->actions())
                names << action->objectName() + QLatin1Char('=') + action->text();
            return names;
        };
        QCOMPARE(entries("mnuFile"),
                 QStringList({"mnuPrint=&Print", "mnuBack=&Back", "mnuFileSep1=", "mnuExit=E&xit"}));
        QCOMPARE(entries("mnuHelp"), QStringList({"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online",
                                                  "mnuHelpSep1=", "mnuUpdate=Check for Software &Update",
                                                  "mnuHelpSep2=", "mnuAbout=&About Software"}));
        QCOMPARE(control<QGroupBox>(display, "fraStarUserDetails")->title(), QStringLiteral("Welcome"));
        QCOMPARE(control<QLabel>(display, "lblDOBDesc")->text(), QStringLiteral("Your Date of Birth"));
        QCOMPARE(control<QLabel>(display, "Label1")->text(), QStringLiteral("Your Chinese Sign"));
        QCOMPARE(control<QLabel>(display, "Label13")->text(), QStringLiteral("Your Chinese Element"));
        QCOMPARE(control<QPushButton>(display, "cmdBack")->text(), QStringLiteral("&Back"));
        QCOMPARE(control<QPushButton>(display, "cmdExit")->text(), QStringLiteral("E&xit"));
        QCOMPARE(control<QPushButton>(display, "cmdPrint")->text(), QStringLiteral("&Print"));
    }

    void everyBoxIsReadOnlyAndLabelledByItsCaption_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("box");
        // clang-format off
        QTest::newRow("ruling planet") << "Label4" << "Ruling Planet" << "txtRulingPlanet";
        QTest::newRow("positive") << "Label2" << "Positive Traits" << "txtPositiveTraits";
        QTest::newRow("negative") << "Label6" << "Negative Traits" << "txtNegativeTraits";
        QTest::newRow("most compatible") << "Label3" << "Most Compatible Sign" << "txtMostCompSign";
        QTest::newRow("least compatible") << "Label9" << "Least Compatible Sign" << "txtLeastCompSign";
        QTest::newRow("colour") << "Label7" << "Lucky Color" << "txtLuckyColor";
        QTest::newRow("gemstone") << "Label11" << "GemStone" << "txtGemStone";
        QTest::newRow("energy") << "Label12" << "Energy" << "txtEnergy";
        QTest::newRow("season") << "Label5" << "Lucky Seasons" << "txtLuckySeason";
        QTest::newRow("month") << "Label8" << "Lucky Month" << "txtLuckyMonth";
        QTest::newRow("famous") << "Label10" << "Famous Personalities Born Under this Sign" << "txtFamousPersons";
        QTest::newRow("calendar") << "lblDOBDesc" << "Your Date of Birth" << "MV";
        // clang-format on
    }

    void everyBoxIsReadOnlyAndLabelledByItsCaption()
    {
        // A screen reader names a box by its label; a box the reader can type into invites edits that mean nothing.
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QFETCH(QString, box);
        openTool();
        proceed(QStringLiteral("Bo"), Male, 1, 1, 1936);
        auto *captionLabel = result()->findChild<QLabel *>(label);
        QVERIFY(captionLabel);
        QCOMPARE(captionLabel->text(), caption);
        QWidget *target = result()->findChild<QWidget *>(box);
        QVERIFY(target);
        QCOMPARE(captionLabel->buddy(), target);
        if (auto *line = qobject_cast<QLineEdit *>(target))
            QVERIFY(line->isReadOnly());
        if (auto *text = qobject_cast<QPlainTextEdit *>(target)) {
            QVERIFY(text->isReadOnly());
            QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        }
    }

    void nothingIsCutOffForAnySign_data()
    {
        QTest::addColumn<int>("year");
        for (int year = 1936; year < 1948; ++year)
            QTest::newRow(qPrintable(QString::number(year))) << year;
    }

    void nothingIsCutOffForAnySign()
    {
        // Each sign brings texts of other lengths: every caption, value and list of names must show whole.
        QFETCH(int, year);
        openTool();
        proceed(QStringLiteral("Alexandra Montgomery"), Female, 1, 7, year);
        QCoreApplication::sendPostedEvents();
        frmChineseZodiacDisplay *display = result();
        const QRect form = display->widget()->rect();
        for (QWidget *child : display->widget()->findChildren<QWidget *>()) {
            if (!child->isVisibleTo(display) || child->inherits("QMenu") || child->parentWidget()->inherits("QMenu"))
                continue;
            const QRect inForm(child->mapTo(display->widget(), QPoint(0, 0)), child->size());
            QVERIFY2(form.contains(inForm), qPrintable(child->objectName() + QLatin1String(" lies outside")));
        }
        for (QLabel *label : display->findChildren<QLabel *>()) {
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
        for (QLineEdit *box : display->findChildren<QLineEdit *>()) {
            const int room = box->width() - 8;
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= room, qPrintable(box->objectName()));
        }
        for (QPushButton *button : display->findChildren<QPushButton *>())
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
        QCOMPARE(control<QPlainTextEdit>(display, "txtFamousPersons")->verticalScrollBar()->maximum(), 0);
    }

    void anotherToolFromTheLauncherClosesBothForms()
    {
        // The hidden entry form must go too, or it would reappear the next time the tool opens.
        openTool();
        proceed(QStringLiteral("Bo"), Male, 1, 1, 1936);
        m_mdi->cmdSelectOption_Click(1);
        QVERIFY(!result());
        QVERIFY(!entry());
    }
};

QTEST_MAIN(TestZodiacWindows)
#include "tst_zodiac_windows.moc"
