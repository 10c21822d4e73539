// The result form: the opened cookie and its fortune.
#include "frmFortuneCookieDisplay.h"

#include "fortune_lookup.h"
#include "frmFortuneCookieMain.h"
#include "modFortunrCookies.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "shell/reading_label.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

using namespace shell;

namespace {

const QColor Cream(253, 246, 227);

PictureBox *makeBroken(QWidget *form, const char *name, const char *picture)
{
    auto *broken = named<PictureBox>(form, QString::fromLatin1(name));
    broken->setPicture(Picture::fromSvg(QStringLiteral(":/fortune/pictures/%1.svg").arg(QLatin1String(picture))));
    broken->setGeometry(twipsRect(3000, 180, 3600, 2100));
    broken->setAccessibleName(QStringLiteral("Opened fortune cookie"));
    broken->hide();
    return broken;
}

QPushButton *makeButton(QWidget *form, const char *name, const QString &caption, int left)
{
    auto *button = named<QPushButton>(form, QString::fromLatin1(name), caption);
    button->setGeometry(twipsRect(left, 4140, 1500, 420));
    button->setFont(verdana(8.25, true));
    setButtonFace(button);
    return button;
}

} // namespace

frmFortuneCookieDisplay::frmFortuneCookieDisplay(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(QStringLiteral("Qelvo Fortune Cookie"));
    setBackgroundColour(form(), Cream);

    QMenu *file = addFileMenu(menuBar());
    mnuFileBack = addMenuEntry(file, QStringLiteral("mnuFileBack"), QStringLiteral("&Back"),
                               [this] { mnuFileBack_Click(); });
    mnuCopyReading = addMenuEntry(file, QStringLiteral("mnuCopyReading"), QStringLiteral("&Copy Reading"),
                                  [this] { mnuCopyReading_Click(); });
    // Ctrl+C belongs to whatever text has the keyboard.
    mnuCopyReading->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { mnuExit_Click(); });
    HelpMenuNames help;
    help.updateCaption = QStringLiteral("&Check for Software Update");
    addHelpMenu(menuBar(), this, help);

    picBrokenOne = makeBroken(form(), "picBrokenOne", "broken-one");
    picBrokenTwo = makeBroken(form(), "picBrokenTwo", "broken-two");
    picBrokenThree = makeBroken(form(), "picBrokenThree", "broken-three");

    Label2 = named<QLabel>(form(), QStringLiteral("Label2"), QStringLiteral("Your Fortune For Today"));
    Label2->setGeometry(twipsRect(360, 2340, 8880, 400));
    Label2->setFont(verdana(12, true));
    Label2->setAlignment(Qt::AlignCenter);
    setTextColour(Label2, QColor(128, 0, 0));

    // The slip of paper the fortune is printed on; it takes the focus, so the fortune is read out as it appears.
    lblFortuneMassage = named<ReadingLabel>(form(), QStringLiteral("lblFortuneMassage"));
    lblFortuneMassage->setGeometry(twipsRect(960, 2790, 7680, 1200));
    lblFortuneMassage->setFont(verdana(10.5));
    lblFortuneMassage->setWordWrap(true);
    lblFortuneMassage->setAlignment(Qt::AlignCenter);
    lblFortuneMassage->setMargin(twips(120));
    lblFortuneMassage->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackgroundColour(lblFortuneMassage, Qt::white);
    setTextColour(lblFortuneMassage, QColor(60, 40, 20));
    Label2->setBuddy(lblFortuneMassage);

    cmdOK = makeButton(form(), "cmdOK", QStringLiteral("&Back"), 3120);
    cmdExit = makeButton(form(), "cmdExit", QStringLiteral("&Exit"), 4980);
    connect(cmdOK, &QPushButton::clicked, this, &frmFortuneCookieDisplay::cmdOK_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmFortuneCookieDisplay::cmdExit_Click);

    addBannerStrip(form(), twipsRect(0, 4740, 9600, 480),
                   {{QStringLiteral("Label61"), WebPage::HomePage},
                    {QStringLiteral("lblFullBrand"), WebPage::BrandingOffer},
                    {QStringLiteral("lblCobrand"), WebPage::CoBranding}});
    setClientSizeTwips(9600, 5220);
}

void frmFortuneCookieDisplay::Form_Load()
{
    place();
}

void frmFortuneCookieDisplay::cmdOK_Click()
{
    if (auto *cookies = windows().find<frmFortuneCookieMain>())
        cookies->showCookies(true);
    if (auto *cookies = static_cast<frmFortuneCookieMain *>(closeAndReturnTo(frmFortuneCookieMain::Id)))
        cookies->picTwo->setFocus();
}

void frmFortuneCookieDisplay::cmdExit_Click()
{
    close();
}

void frmFortuneCookieDisplay::mnuFileBack_Click()
{
    cmdOK_Click();
}

void frmFortuneCookieDisplay::mnuExit_Click()
{
    close();
}

void frmFortuneCookieDisplay::mnuCopyReading_Click()
{
    QGuiApplication::clipboard()->setText(fortune::fortuneReadingText(fortune::FortuneNumber));
}
