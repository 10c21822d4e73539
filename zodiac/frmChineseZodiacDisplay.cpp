// The result form: the reader's sign, element and the sign's attribute sheet.
#include "frmChineseZodiacDisplay.h"

#include "birth_data.h"
#include "frmChineseZodiacMain.h"
#include "zodiac_look.h"
#include "zodiac_result.h"

#include "shell/elided_label.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/panel.h"
#include "shell/text_box.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <tuple>
#include <utility>

using namespace shell;
using namespace zodiac;

namespace {

constexpr int FormWidth = 15600;
constexpr int FormHeight = 9000;

QLineEdit *shortBox(QWidget *parent, const char *name, QLabel *label)
{
    auto *box = named<ReadOnlyLine>(parent, QString::fromLatin1(name));
    box->setFont(verdana(look::TextPoints));
    setTextColour(box, look::Ink);
    label->setBuddy(box);
    return box;
}

// A long text that wraps at the box's width and scrolls; it asks for room for `lines` lines, not more.
class ReadingBox : public QPlainTextEdit
{
public:
    ReadingBox(int lines, QWidget *parent)
        : QPlainTextEdit(parent)
        , m_lines(lines)
    {
    }

    QSize sizeHint() const override { return QSize(QPlainTextEdit::sizeHint().width(), heightForLines()); }
    QSize minimumSizeHint() const override
    {
        return QSize(QPlainTextEdit::minimumSizeHint().width(), heightForLines());
    }

private:
    int heightForLines() const
    {
        // Half a line spare, so the last line never sits under the frame and calls up a scroll bar.
        const int margins = 2 * (frameWidth() + int(document()->documentMargin()));
        const int line = fontMetrics().lineSpacing();
        return m_lines * line + line / 2 + margins;
    }

    int m_lines;
};

// The keyboard can still reach and scroll the text, though it can't change it.
QPlainTextEdit *longBox(QWidget *parent, const char *name, int lines)
{
    auto *box = new ReadingBox(lines, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setFont(verdana(look::TextPoints));
    setTextColour(box, look::Ink);
    readWhole(box);
    return box;
}

// The calendar shows the reading's date and takes no input: a click, key or turn of the wheel
// would move the marked day away from it. Tab still moves on, so the keyboard can pass it.
class ShowOnly : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            return key != Qt::Key_Tab && key != Qt::Key_Backtab;
        }
        default:
            return false;
        }
    }
};

QCalendarWidget *makeCalendar(QWidget *parent)
{
    auto *calendar = named<QCalendarWidget>(parent, QStringLiteral("MV"));
    // Month and day names in the language of the month list.
    calendar->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    calendar->setFirstDayOfWeek(Qt::Sunday);
    calendar->setFont(verdana(8.25));
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar->setGridVisible(false);
    QTextCharFormat weekend = calendar->weekdayTextFormat(Qt::Saturday);
    weekend.setForeground(look::Accent);
    calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
    calendar->setDateEditEnabled(false);
    // No month arrows where the month can't be changed; the month and year stay as a heading.
    for (const char *arrow : {"qt_calendar_prevmonth", "qt_calendar_nextmonth"}) {
        if (auto *button = calendar->findChild<QToolButton *>(QString::fromLatin1(arrow)))
            button->hide();
    }
    // The heading's buttons would open a month menu and a year box to a screen reader's press: disabled,
    // they press nothing, and keep the look of a heading.
    for (const char *heading : {"qt_calendar_monthbutton", "qt_calendar_yearbutton"}) {
        if (auto *button = calendar->findChild<QToolButton *>(QString::fromLatin1(heading))) {
            button->setEnabled(false);
            // Polished first: the frame's style sheet would otherwise put back the palette when the window shows.
            button->ensurePolished();
            QPalette palette = button->palette();
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto colour = QPalette::ColorRole(role);
                palette.setColor(QPalette::Disabled, colour, palette.color(QPalette::Active, colour));
            }
            // The calendar's heading buttons set this text colour on themselves at every paint, and a changed
            // palette paints the whole calendar a second time: given beforehand, it changes nothing.
            palette.setColor(QPalette::ButtonText, palette.color(QPalette::Active, QPalette::HighlightedText));
            button->setPalette(palette);
        }
    }
    auto *showOnly = new ShowOnly(calendar);
    calendar->installEventFilter(showOnly);
    for (QWidget *part : calendar->findChildren<QWidget *>()) {
        part->installEventFilter(showOnly);
        if (qobject_cast<QToolButton *>(part))
            part->setFocusPolicy(Qt::NoFocus);
    }
    return calendar;
}

} // namespace

frmChineseZodiacDisplay::frmChineseZodiacDisplay(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(QStringLiteral("Qelvo Chinese Zodiac Software"));
    setBackgroundColour(form(), look::Paper);

    QMenu *file = addFileMenu(menuBar());
    mnuPrint = addMenuEntry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"), [this] { mnuPrint_Click(); });
    mnuBack = addMenuEntry(file, QStringLiteral("mnuBack"), QStringLiteral("&Back"), [this] { mnuBack_Click(); });
    addMenuSeparator(file, QStringLiteral("mnuFileSep1"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { mnuExit_Click(); });
    addHelpMenu(menuBar(), this);

    auto *outer = new QVBoxLayout(form());
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(twips(180), twipsY(150), twips(180), twipsY(150));
    layout->setSpacing(twipsY(150));
    outer->addLayout(layout, 1);
    auto *groups = new QHBoxLayout;
    groups->setSpacing(twips(180));
    layout->addLayout(groups, 1);

    // Who was born when, and what that makes them.
    // The calendar's navigation bar and marked day in the accent colour rather than the system blue.
    fraStarUserDetails = look::frame(
        form(), "fraStarUserDetails", QStringLiteral("Welcome"),
        QStringLiteral("QCalendarWidget QWidget#qt_calendar_navigationbar { background-color: %1; }"
                       "QCalendarWidget QAbstractItemView { selection-background-color: %1; selection-color: white; }")
            .arg(look::Accent.name()));
    auto *person = new QVBoxLayout(fraStarUserDetails);
    person->setContentsMargins(twips(150), twipsY(180), twips(150), twipsY(150));
    person->setSpacing(twipsY(90));
    lblName = named<ElidedLabel>(fraStarUserDetails, QStringLiteral("lblName"));
    lblName->setFont(verdana(11, true));
    setTextColour(lblName, look::Accent);
    person->addWidget(lblName);
    lblDOBDesc = look::caption(fraStarUserDetails, "lblDOBDesc", QStringLiteral("Your Date of Birth"));
    person->addWidget(lblDOBDesc);
    MV = makeCalendar(fraStarUserDetails);
    // Whatever reaches the calendar past its filters (a screen reader's actions on its days) is put back.
    connect(MV, &QCalendarWidget::selectionChanged, this, &frmChineseZodiacDisplay::keepCalendarOnReading);
    connect(MV, &QCalendarWidget::currentPageChanged, this, &frmChineseZodiacDisplay::keepCalendarOnReading);
    lblDOBDesc->setBuddy(MV);
    person->addWidget(MV);

    auto *signs = new QGridLayout;
    signs->setHorizontalSpacing(twips(150));
    signs->setVerticalSpacing(twipsY(60));
    Label1 = look::caption(fraStarUserDetails, "Label1", QStringLiteral("Your Chinese Sign"));
    lblChineseSign = named<QLabel>(fraStarUserDetails, QStringLiteral("lblChineseSign"),
                                   QStringLiteral("Chinese Sign"));
    Label13 = look::caption(fraStarUserDetails, "Label13", QStringLiteral("Your Chinese Element"));
    lblChineseElement = named<QLabel>(fraStarUserDetails, QStringLiteral("lblChineseElement"),
                                      QStringLiteral("Chinese Element"));
    for (QLabel *value : {lblChineseSign, lblChineseElement}) {
        value->setFont(verdana(12, true));
        setTextColour(value, look::Accent);
    }
    Label1->setBuddy(lblChineseSign);
    Label13->setBuddy(lblChineseElement);
    signs->addWidget(Label1, 0, 0);
    signs->addWidget(lblChineseSign, 0, 1);
    signs->addWidget(Label13, 1, 0);
    signs->addWidget(lblChineseElement, 1, 1);
    signs->setColumnStretch(1, 1);
    person->addLayout(signs);
    txtChineseElement = longBox(fraStarUserDetails, "txtChineseElement", 8);
    txtChineseElement->setAccessibleName(QStringLiteral("About your Chinese element"));
    person->addWidget(txtChineseElement, 1);
    groups->addWidget(fraStarUserDetails, 0);

    // The sign's sheet: short values two by two, the long texts across the whole frame.
    fraStarUserSignDetails = look::frame(form(), "fraStarUserSignDetails", QStringLiteral("Your Star Sign "));
    auto *sheet = new QGridLayout(fraStarUserSignDetails);
    sheet->setContentsMargins(twips(150), twipsY(180), twips(150), twipsY(150));
    sheet->setHorizontalSpacing(twips(120));
    sheet->setVerticalSpacing(twipsY(75));
    QWidget *box = fraStarUserSignDetails;
    Label4 = look::caption(box, "Label4", QStringLiteral("Ruling Planet"));
    txtRulingPlanet = shortBox(box, "txtRulingPlanet", Label4);
    Label11 = look::caption(box, "Label11", QStringLiteral("GemStone"));
    txtGemStone = shortBox(box, "txtGemStone", Label11);
    Label3 = look::caption(box, "Label3", QStringLiteral("Most Compatible Sign"));
    txtMostCompSign = shortBox(box, "txtMostCompSign", Label3);
    Label9 = look::caption(box, "Label9", QStringLiteral("Least Compatible Sign"));
    txtLeastCompSign = shortBox(box, "txtLeastCompSign", Label9);
    Label7 = look::caption(box, "Label7", QStringLiteral("Lucky Color"));
    txtLuckyColor = shortBox(box, "txtLuckyColor", Label7);
    Label12 = look::caption(box, "Label12", QStringLiteral("Energy"));
    txtEnergy = shortBox(box, "txtEnergy", Label12);
    Label5 = look::caption(box, "Label5", QStringLiteral("Lucky Seasons"));
    txtLuckySeason = shortBox(box, "txtLuckySeason", Label5);
    Label8 = look::caption(box, "Label8", QStringLiteral("Lucky Month"));
    txtLuckyMonth = shortBox(box, "txtLuckyMonth", Label8);
    const std::array<std::array<QWidget *, 4>, 4> pairs{{
        {Label4, txtRulingPlanet, Label11, txtGemStone},
        {Label3, txtMostCompSign, Label9, txtLeastCompSign},
        {Label7, txtLuckyColor, Label12, txtEnergy},
        {Label5, txtLuckySeason, Label8, txtLuckyMonth},
    }};
    for (int row = 0; row < int(pairs.size()); ++row) {
        for (int column = 0; column < 4; ++column)
            sheet->addWidget(pairs[row][column], row, column);
    }
    sheet->setColumnStretch(1, 1);
    sheet->setColumnStretch(3, 1);
    sheet->setColumnMinimumWidth(2, twips(2100));

    Label2 = look::caption(box, "Label2", QStringLiteral("Positive Traits"));
    txtPositiveTraits = longBox(box, "txtPositiveTraits", 11);
    Label2->setBuddy(txtPositiveTraits);
    Label6 = look::caption(box, "Label6", QStringLiteral("Negative Traits"));
    txtNegativeTraits = longBox(box, "txtNegativeTraits", 8);
    Label6->setBuddy(txtNegativeTraits);
    Label10 = look::caption(box, "Label10", QStringLiteral("Famous Personalities Born Under this Sign"));
    txtFamousPersons = longBox(box, "txtFamousPersons", 2);
    Label10->setBuddy(txtFamousPersons);
    int row = int(pairs.size());
    for (auto [label, text, stretch] : {std::tuple<QLabel *, QPlainTextEdit *, int>{Label2, txtPositiveTraits, 4},
                                        {Label6, txtNegativeTraits, 3},
                                        {Label10, txtFamousPersons, 0}}) {
        label->setContentsMargins(0, twipsY(60), 0, 0);
        sheet->addWidget(label, row++, 0, 1, 4);
        sheet->addWidget(text, row, 0, 1, 4);
        sheet->setRowStretch(row++, stretch);
    }
    groups->addWidget(fraStarUserSignDetails, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(twips(180));
    buttons->addStretch(1);
    cmdBack = look::button(form(), "cmdBack", QStringLiteral("&Back"));
    cmdPrint = look::button(form(), "cmdPrint", QStringLiteral("&Print"));
    cmdExit = look::button(form(), "cmdExit", QStringLiteral("E&xit"));
    connect(cmdBack, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdBack_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmChineseZodiacDisplay::cmdExit_Click);
    for (QPushButton *button : {cmdBack, cmdPrint, cmdExit})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    outer->addWidget(look::bannerRow(form(), {{QStringLiteral("Label14"), WebPage::HomePage}}));

    setClientSizeTwips(FormWidth, FormHeight);
}

void frmChineseZodiacDisplay::Form_Load()
{
    place();
    fillReading();
    m_filledByLoad = true;
}

void frmChineseZodiacDisplay::Form_Unload()
{
    mdi().setPanelVisible(true);
}

void frmChineseZodiacDisplay::fillReading()
{
    const ZodiacReading &reading = ZodiacResult;
    fraStarUserSignDetails->setTitle(reading.sign);
    lblChineseSign->setText(reading.sign);
    lblName->setText(salutedName(reading));

    m_shownDate = calendarDateFor(MV->selectedDate(), reading.yearText, reading.monthText, reading.dayText);
    keepCalendarOnReading();
    if (auto *days = MV->findChild<QAbstractItemView *>())
        days->setAccessibleDescription(MV->locale().toString(m_shownDate, QStringLiteral("dddd d MMMM yyyy")));

    lblChineseElement->setText(reading.element);
    txtChineseElement->setPlainText(reading.elementText);
    // Proceed lands here: the name tells a screen reader the sign and element before the text about them.
    txtChineseElement->setAccessibleName(
        QStringLiteral("%1 %2, %3 %4").arg(Label1->text(), reading.sign, Label13->text(), reading.element));

    txtRulingPlanet->setText(reading.rulingPlanet);
    txtPositiveTraits->setPlainText(reading.positiveTraits);
    txtNegativeTraits->setPlainText(reading.negativeTraits);
    txtLuckyColor->setText(reading.luckyColour);
    txtGemStone->setText(reading.gemstone);
    txtEnergy->setText(reading.energy);
    txtLuckySeason->setText(reading.favourableSeason);
    txtLuckyMonth->setText(reading.favourableMonth);
    txtMostCompSign->setText(reading.mostCompatible);
    txtLeastCompSign->setText(reading.leastCompatible);
    txtFamousPersons->setPlainText(reading.famousPersons);
    // Short values read from their start, however narrow the box.
    for (QLineEdit *value : {txtRulingPlanet, txtLuckyColor, txtGemStone, txtEnergy, txtLuckySeason, txtLuckyMonth,
                             txtMostCompSign, txtLeastCompSign})
        value->setCursorPosition(0);
}

void frmChineseZodiacDisplay::showReading()
{
    // A window Proceed has just made holds the reading already: filling it again would lay out
    // every text a second time before the first paint.
    if (!std::exchange(m_filledByLoad, false))
        fillReading();
    show();
    raise();
    if (QMdiArea *area = mdiArea())
        area->setActiveSubWindow(this);
    txtChineseElement->setFocus();
    txtChineseElement->moveCursor(QTextCursor::Start);
}

void frmChineseZodiacDisplay::keepCalendarOnReading()
{
    if (!m_shownDate.isValid())
        return;
    if (MV->selectedDate() != m_shownDate)
        MV->setSelectedDate(m_shownDate);
    if (MV->yearShown() != m_shownDate.year() || MV->monthShown() != m_shownDate.month())
        MV->setCurrentPage(m_shownDate.year(), m_shownDate.month());
}

bool frmChineseZodiacDisplay::eventFilter(QObject *watched, QEvent *event)
{
    // The sheet closing hands the keyboard back to Print, where it left from, while this form stays.
    if (event->type() == QEvent::Close && watched->isWidgetType() && isVisible() && !isClosing())
        cmdPrint->setFocus();
    return ToolWindow::eventFilter(watched, event);
}

void frmChineseZodiacDisplay::cmdBack_Click()
{
    if (auto *entry = windows().window<frmChineseZodiacMain>()) {
        entry->show();
        entry->raise();
    }
    hide();
}

void frmChineseZodiacDisplay::cmdExit_Click()
{
    close();
}

void frmChineseZodiacDisplay::cmdPrint_Click()
{
    // The sheet belongs to this reading: Back and Exit close it, and closing it comes back here.
    if (ToolWindow *sheet = openInFront(WindowId::ChineseZodiacSave))
        sheet->installEventFilter(this);
}

void frmChineseZodiacDisplay::mnuBack_Click()
{
    cmdBack_Click();
}

void frmChineseZodiacDisplay::mnuExit_Click()
{
    cmdExit_Click();
}

void frmChineseZodiacDisplay::mnuPrint_Click()
{
    cmdPrint_Click();
}
