// The casting window: the coins, the two figures growing line by line, and the reading.
#include "FrmIChingSoftwareMain.h"

#include "FrmIChingReading.h"
#include "coin_pictures.h"
#include "figure_line.h"
#include "frmIChingSoftwareStart.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/platform.h"
#include "shell/spoken.h"
#include "shell/text_box.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

using namespace shell;
using namespace iching;

namespace {

const QString Title = QStringLiteral("Qelvo I Ching Software");
constexpr std::array<int, 6> kLineTops{150, 420, 690, 960, 1230, 1500}; // lines 6 down to 1
constexpr int SmallClientHeight = 2535;
const QString JudgementName = QStringLiteral("The Judgement:");

QFrame *makeFrame(QWidget *form, const char *name, const QRect &geometry)
{
    auto *frame = named<QFrame>(form, QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

QLabel *heading(QWidget *form, const char *name, const QString &text, const QRect &geometry, bool underline)
{
    auto *label = named<QLabel>(form, QString::fromLatin1(name), text);
    label->setGeometry(geometry);
    label->setFont(verdana(9.75, true, underline));
    return label;
}

TextBox *readingBox(QWidget *form, const char *name, const QRect &geometry)
{
    auto *box = named<TextBox>(form, QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setReadOnly(true);
    // The keyboard can move through the text, though it can't change it.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    readWhole(box);
    return box;
}

QString faceName(CoinFace face)
{
    return face == CoinFace::Heads ? QStringLiteral("heads") : QStringLiteral("tails");
}

QString kindName(qint16 value)
{
    switch (lineKind(value)) {
    case LineKind::OldYin:
        return QStringLiteral("old yin, changing");
    case LineKind::YoungYang:
        return QStringLiteral("yang");
    case LineKind::YoungYin:
        return QStringLiteral("yin");
    case LineKind::OldYang:
        return QStringLiteral("old yang, changing");
    case LineKind::None:
        break;
    }
    return QString();
}

} // namespace

FrmIChingSoftwareMain::FrmIChingSoftwareMain(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(Title);
    form()->setFont(verdana(9.75));

    QMenu *file = addFileMenu(menuBar());
    mnuStart = addMenuEntry(file, QStringLiteral("mnuStart"), QStringLiteral("&Start Again"),
                            [this] { mnuStart_Click(); });
    mnuFullReading = addMenuEntry(file, QStringLiteral("mnuFullReading"), QStringLiteral("&Full Reading"),
                                  [this] { cmdFullReading_Click(); });
    mnuFullReading->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuFullReading->setEnabled(false);
    addMenuSeparator(file, QStringLiteral("mnuFileSep1"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("&Exit"), [this] { mnuExit_Click(); });
    addHelpMenu(menuBar(), this);

    addBannerStrip(form(), twipsRect(60, 60, 7260, 420),
                   {{QStringLiteral("Label61"), WebPage::HomePage},
                    {QStringLiteral("lblFullBrand"), WebPage::BrandingOffer},
                    {QStringLiteral("lblCobrand"), WebPage::CoBranding}});

    txtUserInfo = readingBox(form(), "txtUserInfo", twipsRect(7380, 60, 2835, 2355));
    txtUserInfo->setAccessibleName(QStringLiteral("Your name and question"));
    createFigures();
    createCoins();
    createReading();
    setClientSizeTwips(10290, 2535);
}

void FrmIChingSoftwareMain::createFigures()
{
    fraHexagram1 = makeFrame(form(), "fraHexagram1", twipsRect(60, 570, 1920, 1845));
    fraHaxagram2 = makeFrame(form(), "fraHaxagram2", twipsRect(5340, 570, 1920, 1845));
    fraHexagram1->setAccessibleName(QStringLiteral("Cast hexagram"));
    fraHaxagram2->setAccessibleName(QStringLiteral("Changed hexagram"));
    QFont heavy(QStringLiteral("Arial Black"));
    heavy.setPointSize(12);
    heavy.setWeight(QFont::Black);
    for (int n = 1; n <= 12; ++n) {
        QFrame *frame = n <= 6 ? fraHexagram1 : fraHaxagram2;
        const int top = n <= 6 ? kLineTops[n - 1] : kLineTops[12 - n];
        auto *line = named<FigureLine>(frame, QStringLiteral("Label%1").arg(n));
        line->setGeometry(twipsRect(60, top, 1800, 285));
        line->setAlignment(Qt::AlignCenter);
        line->setFont(heavy);
        figureLabels[n - 1] = line;
    }
}

void FrmIChingSoftwareMain::createCoins()
{
    fraCoins = makeFrame(form(), "fraCoins", twipsRect(1995, 780, 3315, 1635));
    fraCoins->setAccessibleName(QStringLiteral("Coins"));
    constexpr std::array<int, 3> lefts{90, 1170, 2280};
    for (int i = 0; i < 3; ++i) {
        auto *coin = named<PictureBox>(fraCoins, QStringLiteral("picCoin(%1)").arg(i));
        coin->setGeometry(twipsRect(lefts[i], 60, 900, 900));
        coin->setPicture(Picture::fromSvg(QStringLiteral(":/iching/pictures/coin.svg")));
        coin->setAccessibleName(QStringLiteral("Coin %1").arg(i + 1));
        coin->setAccessibleDescription(QStringLiteral("not tossed yet"));
        picCoin[i] = coin;
    }
    cmdToss = named<QPushButton>(fraCoins, QStringLiteral("cmdToss"), QStringLiteral("&Toss Coins"));
    cmdToss->setGeometry(twipsRect(720, 1140, 1815, 405));
    cmdToss->setFont(verdana(9.75, true));
    connect(cmdToss, &QPushButton::clicked, this, &FrmIChingSoftwareMain::cmdToss_Click);
}

void FrmIChingSoftwareMain::createReading()
{
    Label13 = heading(form(), "Label13", QStringLiteral("The Judgement:"), twipsRect(60, 2640, 1740, 300), true);
    lblJudgement = heading(form(), "lblJudgement", QString(), twipsRect(1830, 2640, 7815, 300), false);
    txtJudgement = readingBox(form(), "txtJudgement", twipsRect(60, 2940, 10155, 795));
    // Named rather than labelled: a screen reader then reads the hexagram with the heading (Display_Judgement).
    txtJudgement->setAccessibleName(JudgementName);
    Label15 = heading(form(), "Label15", QStringLiteral("The Image"), twipsRect(60, 3750, 2175, 300), true);
    Label17 = heading(form(), "Label17", QStringLiteral("Changing Lines"), twipsRect(6960, 3750, 2175, 300), true);
    txtImage = readingBox(form(), "txtImage", twipsRect(60, 4050, 6825, 795));
    txtChangeLines = readingBox(form(), "txtChangeLines", twipsRect(6930, 4050, 3285, 795));
    Label15->setBuddy(txtImage);
    Label17->setBuddy(txtChangeLines);

    cmdExit = named<QPushButton>(form(), QStringLiteral("cmdExit(1)"), QStringLiteral("Exit"));
    cmdExit->setGeometry(twipsRect(5670, 4950, 1485, 375));
    cmdStartAgain = named<QPushButton>(form(), QStringLiteral("cmdStartAgain"), QStringLiteral("Start Again"));
    cmdStartAgain->setGeometry(twipsRect(8730, 4950, 1485, 375));
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(1); });
    connect(cmdStartAgain, &QPushButton::clicked, this, &FrmIChingSoftwareMain::cmdStartAgain_Click);

    // Beside the row of buttons, so nothing of the reading above moves. Alt+F stays with the File menu.
    lblChangedHexagram = named<QLabel>(form(), QStringLiteral("lblChangedHexagram"));
    lblChangedHexagram->setGeometry(twipsRect(60, 4860, 5520, 600));
    lblChangedHexagram->setFont(verdana(8.25, true));
    lblChangedHexagram->setWordWrap(true);
    lblChangedHexagram->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblChangedHexagram->setTextFormat(Qt::PlainText);
    // Reachable from the keyboard, so a screen reader's user can land on it.
    lblChangedHexagram->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblChangedHexagram->setFocusPolicy(Qt::StrongFocus);
    lblChangedHexagram->hide();
    cmdFullReading = named<QPushButton>(form(), QStringLiteral("cmdFullReading"), QStringLiteral("Full &Reading"));
    cmdFullReading->setGeometry(twipsRect(7222, 4950, 1440, 375));
    cmdFullReading->hide();
    connect(cmdFullReading, &QPushButton::clicked, this, &FrmIChingSoftwareMain::cmdFullReading_Click);
    // Tab follows the row as it reads, left to right.
    setTabOrder(txtChangeLines, lblChangedHexagram);
    setTabOrder(lblChangedHexagram, cmdExit);
    setTabOrder(cmdExit, cmdFullReading);
    setTabOrder(cmdFullReading, cmdStartAgain);
}

void FrmIChingSoftwareMain::Form_Load()
{
    place();
    // What stands below the small window's edge is hidden until the sixth toss uncovers it, so that Tab and
    // Space never reach a control that can't be seen.
    for (QWidget *child : form()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden() && child->y() >= twipsY(SmallClientHeight)) {
            child->hide();
            m_belowEdge.append(child);
        }
    }
    m_userName = frmIChingSoftwareStart::userName;
    m_userQuestion = frmIChingSoftwareStart::userQuestion;
    txtUserInfo->setText(QStringLiteral("Name: ") + m_userName + QStringLiteral("\r\n\r\n")
                         + QStringLiteral("Question: ") + m_userQuestion);
}

void FrmIChingSoftwareMain::prepareForLauncher()
{
    clearFigures();
}

void FrmIChingSoftwareMain::placedByLauncher()
{
    cmdStartAgain->click();
}

void FrmIChingSoftwareMain::clearFigures()
{
    for (FigureLine *line : figureLabels) {
        line->clear();
        line->setAccessibleName(QString());
    }
}

void FrmIChingSoftwareMain::showCoin(int index, CoinFace face)
{
    // A picture that can't be read leaves the box empty; the toss still counts.
    picCoin[index]->setPicture(Picture::fromFile(coinPicturePath(face)));
    // In the name as well: a screen reader reads the name of a picture, not always its description.
    picCoin[index]->setAccessibleName(QStringLiteral("Coin %1: %2").arg(index + 1).arg(faceName(face)));
    picCoin[index]->setAccessibleDescription(faceName(face));
}

void FrmIChingSoftwareMain::cmdToss_Click()
{
    RandomSource &random = *platform().random;
    random.reseedFromClock();
    const Toss toss = tossLine(random);
    for (int i = 0; i < 3; ++i)
        showCoin(i, toss.faces[i]);
    const int line = m_cast.intCurrentLine + 1;
    const bool complete = m_cast.record(toss.lineValue);
    // The button keeps the focus through the tosses: what fell is told without moving it.
    const QString fell = QStringLiteral("%1, %2, %3: line %4 is %5")
                             .arg(faceName(toss.faces[0]), faceName(toss.faces[1]), faceName(toss.faces[2]))
                             .arg(line)
                             .arg(kindName(toss.lineValue));
    cmdToss->setAccessibleDescription(fell);
    announce(form(), fell);
    if (complete) {
        m_castAt = platform().clock->now();
        cmdToss->setEnabled(false);
        place();
        for (QWidget *child : std::as_const(m_belowEdge)) {
            if (child)
                child->show();
        }
        resize(enlargedSize());
    }
    DisplayChangedLines(m_cast.marksArray);
    if (complete) {
        showChangedHexagram();
        mnuFullReading->setEnabled(true);
        cmdFullReading->show();
        txtJudgement->setFocus();
    }
}

void FrmIChingSoftwareMain::showChangedHexagram()
{
    const HexagramRecord *changed = changedHexagram(m_cast.marksArray);
    if (!changed)
        return;
    const QString text = QStringLiteral("Changes into: ") + QString::fromUtf8(changed->caption);
    lblChangedHexagram->setText(text);
    lblChangedHexagram->setAccessibleName(text);
    lblChangedHexagram->show();
}

Reading FrmIChingSoftwareMain::reading() const
{
    return Reading{m_userName, m_userQuestion, m_castAt, m_cast.marksArray};
}

void FrmIChingSoftwareMain::cmdFullReading_Click()
{
    // Only a finished cast has a reading to show.
    if (!castHexagram(m_cast.marksArray))
        return;
    if (auto *window = static_cast<FrmIChingReading *>(openInFront(FrmIChingReading::Id)))
        window->showReading(reading());
}

QSize FrmIChingSoftwareMain::enlargedSize() const
{
    // 10400 by 6800 was measured for a thin frame. A thicker one (the Windows style's) leaves less room
    // inside, and would cut off the right column and the buttons, so the size grows by what the frame
    // takes beyond that, keeping the form's right-hand margin below it too.
    const int margin = twipsSize(75, 75).width();
    const QRect controls = form()->childrenRect();
    const QSize frame = size() - form()->size();
    const QSize needed(controls.right() + 1 + margin, controls.bottom() + 1 + margin);
    return twipsSize(10400, 6800).expandedTo(needed + frame);
}

void FrmIChingSoftwareMain::DisplayChangedLines(const Marks &marksArray)
{
    for (int line = 1; line <= LineCount; ++line) {
        const qint16 value = marksArray[line - 1];
        if (lineKind(value) == LineKind::None)
            continue;
        FigureLine *cast = label(7 - line);
        FigureLine *changed = label(6 + line);
        cast->setText(symbolText(castSymbol(value)));
        changed->setText(symbolText(changedSymbol(value)));
        cast->setAccessibleName(QStringLiteral("Line %1: %2").arg(line).arg(kindName(value)));
        changed->setAccessibleName(
            QStringLiteral("Line %1: %2")
                .arg(line)
                .arg(changedSymbol(value) == LineSymbol::Yang ? QStringLiteral("yang") : QStringLiteral("yin")));
    }
    txtChangeLines->setText(changingLinesText(marksArray));
    Find_Hexagrams1(marksArray);
}

void FrmIChingSoftwareMain::Find_Hexagrams1(const Marks &marksArray)
{
    Display_Judgement(hexagramKey(marksArray));
}

void FrmIChingSoftwareMain::Display_Judgement(const QString &strVal)
{
    const HexagramRecord *record = lookupHexagram(strVal);
    if (!record)
        return;
    lblJudgement->setText(QString::fromUtf8(record->caption));
    txtJudgement->setAccessibleName(JudgementName + QLatin1Char(' ') + lblJudgement->text());
    txtJudgement->setText(judgementText(*record));
    txtImage->setText(imageText(*record));
}

void FrmIChingSoftwareMain::cmdStartAgain_Click()
{
    m_cast.intCurrentLine = 0;
    clearFigures();
    if (auto *question = windows().window<frmIChingSoftwareStart>()) {
        question->show();
        question->txtName->setFocus();
    }
    closeHandingOver();
}

void FrmIChingSoftwareMain::cmdExit_Click(int)
{
    close();
}

void FrmIChingSoftwareMain::mnuStart_Click()
{
    cmdStartAgain_Click();
}

void FrmIChingSoftwareMain::mnuExit_Click()
{
    close();
}

void FrmIChingSoftwareMain::Form_Unload()
{
    m_cast.clearLines();
}
