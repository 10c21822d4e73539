// The cookie form: three closed cookies to choose from.
#include "frmFortuneCookieMain.h"

#include "fortune_lookup.h"
#include "frmFortuneCookieDisplay.h"
#include "modFortunrCookies.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "shell/platform.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

using namespace shell;

namespace {

const QColor Cream(253, 246, 227);

PictureButton *makeCookie(QWidget *form, const char *name, const char *picture, const QString &accessible, int left)
{
    auto *cookie = named<PictureButton>(form, QString::fromLatin1(name));
    cookie->setPicture(Picture::fromSvg(QStringLiteral(":/fortune/pictures/%1.svg").arg(QLatin1String(picture))));
    cookie->setGeometry(twipsRect(left, 1800, 2400, 1800));
    cookie->setAccessibleName(accessible);
    cookie->setAccessibleDescription(QStringLiteral("Opens this cookie and shows your fortune"));
    cookie->setToolTip(accessible);
    return cookie;
}

} // namespace

frmFortuneCookieMain::frmFortuneCookieMain(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(QStringLiteral("Qelvo Fortune Cookie"));
    setBackgroundColour(form(), Cream);

    QMenu *file = addFileMenu(menuBar());
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { mnuExit_Click(); });
    addHelpMenu(menuBar(), this);

    Label1 = named<QLabel>(form(), QStringLiteral("Label1"),
                           QStringLiteral(
                               "Predict your fortune and know your thought of the day with the help of Qelvo "
                               "Fortune Cookie. It is an interesting divination software that cones with an "
                               "easy-to-use interface. The little fortune cookies will reveal a new fortune "
                               "for you each time you click upon them."));
    Label1->setGeometry(twipsRect(360, 200, 8880, 960));
    Label1->setFont(verdana(9));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    lblCaption = named<QLabel>(form(), QStringLiteral("lblCaption"),
                               QStringLiteral("Click On Any One Cookie to Know Your Fortune"));
    lblCaption->setGeometry(twipsRect(360, 1260, 8880, 400));
    lblCaption->setFont(verdana(11, true));
    lblCaption->setAlignment(Qt::AlignCenter);
    setTextColour(lblCaption, QColor(128, 0, 0));

    // Left to right: two, one, three.
    picTwo = makeCookie(form(), "picTwo", "cookie-two", QStringLiteral("Left fortune cookie"), 600);
    picOne = makeCookie(form(), "picOne", "cookie-one", QStringLiteral("Middle fortune cookie"), 3600);
    picThree = makeCookie(form(), "picThree", "cookie-three", QStringLiteral("Right fortune cookie"), 6600);
    connect(picOne, &PictureButton::clicked, this, &frmFortuneCookieMain::picOne_Click);
    connect(picTwo, &PictureButton::clicked, this, &frmFortuneCookieMain::picTwo_Click);
    connect(picThree, &PictureButton::clicked, this, &frmFortuneCookieMain::picThree_Click);
    lblCaption->setBuddy(picTwo);

    addBannerStrip(form(), twipsRect(0, 3840, 9600, 480),
                   {{QStringLiteral("Label61"), WebPage::HomePage},
                    {QStringLiteral("lblFullBrand"), WebPage::BrandingOffer},
                    {QStringLiteral("lblCobrand"), WebPage::CoBranding}});
    setClientSizeTwips(9600, 4320);
}

void frmFortuneCookieMain::Form_Load()
{
    place();
}

void frmFortuneCookieMain::showCookies(bool visible)
{
    picOne->setVisible(visible);
    picTwo->setVisible(visible);
    picThree->setVisible(visible);
}

void frmFortuneCookieMain::draw(Cookie clicked)
{
    fortune::FortuneNumber = fortune::fortuneNumberFor(platform().random->next());
    fortune::ShowFortune(windows());
    showCookies(false);
    auto *display = windows().window<frmFortuneCookieDisplay>();
    if (display) {
        switch (clicked) {
        case Cookie::One:
            display->picBrokenOne->show();
            break;
        case Cookie::Two:
            display->picBrokenTwo->show();
            break;
        case Cookie::Three:
            display->picBrokenThree->show();
            break;
        }
    }
    hide();
    if (display) {
        display->show();
        display->lblFortuneMassage->setFocus();
    }
    mdi().setPanelVisible(false);
}

void frmFortuneCookieMain::picOne_Click()
{
    draw(Cookie::One);
}

void frmFortuneCookieMain::picTwo_Click()
{
    draw(Cookie::Two);
}

void frmFortuneCookieMain::picThree_Click()
{
    draw(Cookie::Three);
}

void frmFortuneCookieMain::mnuExit_Click()
{
    close();
}
