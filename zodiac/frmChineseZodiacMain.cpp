// The entry form: the reader's name, sex and date of birth.
#include "frmChineseZodiacMain.h"

#include "frmChineseZodiacDisplay.h"
#include "result_file.h"
#include "zodiac_look.h"
#include "zodiac_result.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/panel.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/platform.h"
#include "shell/spoken.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

using namespace shell;
using namespace zodiac;

namespace {

constexpr int FormWidth = 10200;
constexpr int FormHeight = 3600;

QComboBox *makeList(QWidget *parent, const char *name, int widestEntry)
{
    auto *list = named<QComboBox>(parent, QString::fromLatin1(name));
    // Selection only; sized now for the entries the load step puts in.
    list->setEditable(false);
    list->setFont(verdana(look::TextPoints));
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(widestEntry);
    list->setMaxVisibleItems(12);
    return list;
}

// Names a list for a screen reader by a label of its own, which Qt on Linux reads where it ignores a list's
// name. Orca reads neither a list's entry nor its changes from Qt: the description carries the entry as the
// list is reached, and an arrow key's change is told aloud.
void nameList(QComboBox *list, QLabel *label, QWidget *form)
{
    label->setBuddy(list);
    list->setAccessibleName(label->text());
    list->setAccessibleDescription(list->currentText());
    QObject::connect(list, &QComboBox::currentTextChanged, list, [list, form](const QString &entry) {
        list->setAccessibleDescription(entry);
        // In the open list the screen reader follows the entries itself.
        if (list->hasFocus() && !list->view()->isVisible())
            announce(form, entry);
    });
}

// Arrow keys in a group of option buttons select the next one, wrapping round, as a radio group does
// everywhere; Qt only moves the focus while none is selected.
class ArrowsSelect : public QObject
{
public:
    ArrowsSelect(std::initializer_list<QRadioButton *> options, QObject *parent)
        : QObject(parent)
        , m_options(options)
    {
        for (QRadioButton *option : m_options)
            option->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        int step = 0;
        if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down)
            step = 1;
        else if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up)
            step = -1;
        const int at = int(m_options.indexOf(static_cast<QRadioButton *>(watched)));
        if (step == 0 || at < 0 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const int count = int(m_options.size());
        QRadioButton *next = m_options[(at + step + count) % count];
        next->setFocus(Qt::TabFocusReason);
        next->click();
        return true;
    }

private:
    QList<QRadioButton *> m_options;
};

QRadioButton *makeOption(QWidget *parent, int index, const QString &caption)
{
    auto *option = named<QRadioButton>(parent, QStringLiteral("optSex(%1)").arg(index), caption);
    option->setFont(verdana(look::TextPoints));
    setTextColour(option, look::Ink);
    return option;
}

} // namespace

frmChineseZodiacMain::frmChineseZodiacMain(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(QStringLiteral("Qelvo Chinese Zodiac Software"));
    setBackgroundColour(form(), look::Paper);

    auto *outer = new QVBoxLayout(form());
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(twips(240), twipsY(240), twips(240), twipsY(240));
    layout->setSpacing(twipsY(200));
    outer->addLayout(layout, 1);

    auto *body = new QHBoxLayout;
    body->setSpacing(twips(240));
    auto *emblem = named<PictureBox>(form(), QStringLiteral("picEmblem"));
    emblem->setPicture(Picture::fromSvg(QStringLiteral(":/shell/pictures/zodiac.svg")));
    emblem->setFixedSize(twipsSize(1200, 1200));
    body->addWidget(emblem, 0, Qt::AlignTop);

    fraDetails = look::frame(form(), "fraDetails", QStringLiteral("Your Details Please"));
    auto *grid = new QGridLayout(fraDetails);
    grid->setContentsMargins(twips(200), twipsY(200), twips(200), twipsY(200));
    grid->setHorizontalSpacing(twips(160));
    grid->setVerticalSpacing(twipsY(140));

    Label1 = look::caption(fraDetails, "Label1", QStringLiteral("Name"));
    txtName = named<QLineEdit>(fraDetails, QStringLiteral("txtName"));
    txtName->setFont(verdana(look::TextPoints));
    // No longer than a result file can carry back.
    txtName->setMaxLength(NameLengthLimit);
    Label1->setBuddy(txtName);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 4);

    Label5 = look::caption(fraDetails, "Label5", QStringLiteral("Sex"));
    optSex[0] = makeOption(fraDetails, 0, QStringLiteral("Male"));
    optSex[1] = makeOption(fraDetails, 1, QStringLiteral("Female"));
    Label5->setBuddy(optSex[0]);
    new ArrowsSelect({optSex[0], optSex[1]}, this);
    grid->addWidget(Label5, 1, 0);
    grid->addWidget(optSex[0], 1, 1);
    grid->addWidget(optSex[1], 1, 2);

    Label2 = look::caption(fraDetails, "Label2", QStringLiteral("Birth Day"));
    cboDate = makeList(fraDetails, "cboDate", 3);
    cboMonth = makeList(fraDetails, "cboMonth", 10);
    cboYear = makeList(fraDetails, "cboYear", 5);
    nameList(cboDate, Label2, form());
    // The month and year stand beside the day under its caption; their own labels are for screen readers.
    for (auto [list, name] : {std::pair{cboMonth, "Birth Month"}, std::pair{cboYear, "Birth Year"}}) {
        auto *label = named<QLabel>(fraDetails, list->objectName() + QStringLiteral("Label"), QLatin1String(name));
        label->hide();
        nameList(list, label, form());
    }
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(cboDate, 2, 1);
    grid->addWidget(cboMonth, 2, 2);
    grid->addWidget(cboYear, 2, 3);
    grid->setColumnStretch(4, 1);
    body->addWidget(fraDetails, 1);
    layout->addLayout(body);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdProceed = look::button(form(), "cmdProceed", QStringLiteral("&Proceed"));
    cmdOpen = look::button(form(), "cmdOpen", QStringLiteral("&Open Previously Saved Record"));
    connect(cmdProceed, &QPushButton::clicked, this, &frmChineseZodiacMain::cmdProceed_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmChineseZodiacMain::cmdOpen_Click);
    buttons->addWidget(cmdProceed);
    buttons->addWidget(cmdOpen);
    layout->addLayout(buttons);
    layout->addStretch(1);

    outer->addWidget(look::bannerRow(form(), {{QStringLiteral("Label14"), WebPage::HomePage},
                                              {QStringLiteral("Label3"), WebPage::HomePage,
                                               webPageAddress(WebPage::HomePage).host()}}));

    setClientSizeTwips(FormWidth, FormHeight);
}

void frmChineseZodiacMain::Form_Load()
{
    place();
    cboDate->addItems(dayListItems());
    cboMonth->addItems(monthListItems());
    cboYear->addItems(yearListItems());
    m_yearTable = BuildChineseYearTable();
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    txtName->setFocus();
}

BirthEntries frmChineseZodiacMain::entries() const
{
    BirthEntries entries;
    entries.name = txtName->text();
    if (optSex[0]->isChecked())
        entries.sex = SexChoice::Male;
    else if (optSex[1]->isChecked())
        entries.sex = SexChoice::Female;
    entries.dayPosition = cboDate->currentIndex();
    entries.monthPosition = cboMonth->currentIndex();
    entries.dayText = cboDate->currentText();
    entries.monthText = cboMonth->currentText();
    entries.yearText = cboYear->currentText();
    return entries;
}

void frmChineseZodiacMain::cmdProceed_Click()
{
    const BirthEntries typed = entries();
    const BirthCheck check = ValidateBirthData(typed);
    if (!check.passed) {
        showMessage(check.message, MessageIcon::Information, MessageButtons::Ok);
        if (check.focus == FocusTarget::NameBox)
            txtName->setFocus();
        else if (check.focus == FocusTarget::ProceedButton)
            cmdProceed->setFocus();
        return;
    }
    ComputeReading(ZodiacResult, typed, m_yearTable);
    if (auto *display = windows().window<frmChineseZodiacDisplay>())
        display->showReading();
    hide();
}

void frmChineseZodiacMain::cmdOpen_Click()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.filter = QStringLiteral("Qelvo Chinese Astrology (*.str)");
    request.defaultSuffix = QStringLiteral("str");
    request.title = QStringLiteral("Select the source file");
    request.fileMustExist = true;
    request.hideReadOnly = true;
    request.noReadOnlyReturn = true;
    const QString path = platform().fileDialogs->ask(request);
    if (path.isEmpty())
        return;
    if (!hasResultFileExtension(path) || !isRegularFile(path)) {
        showMessage(QStringLiteral("Please Check The File."), MessageIcon::Critical);
        return;
    }
    const ResultLines lines = readResultFile(path);
    txtName->setText(lines[0]);
    optSex[lines[1] == QLatin1String("Male") ? 0 : 1]->setChecked(true);
    // An entry that is no item of its list keeps the list's selection.
    const auto select = [](QComboBox *list, const QString &text) {
        const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            list->setCurrentIndex(index);
    };
    select(cboDate, lines[2]);
    select(cboMonth, lines[3]);
    select(cboYear, lines[4]);
    cmdProceed_Click();
}
