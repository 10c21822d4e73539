// The About box: program name, description and the maker's links.
#include "frmAbout.h"

#include "click_label.h"
#include "picture.h"
#include "picture_box.h"
#include "twips.h"
#include "ui.h"
#include "web_pages.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

using namespace shell;

namespace {

const QString Description = QStringLiteral(
    "Tavrenne is an excellent and thought provoking program. It gives you an instant look at your lunar zodiac "
    "sign and divination reading as per Chinese concepts. This helps you know about your near future. This "
    "program is highly accurate and to the point, thus giving you a practical outlook of your life. This tool "
    "helps us understand our cosmic vibrations and gives a deeper awareness about life.");

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Tavrenne v1.25"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setBackgroundColour(this, Qt::black);
    setFixedSize(twipsSize(6810, 3870));

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPicture(Picture::fromSvg(QStringLiteral(":/shell/pictures/tavrenne.svg")));
    Picture1->setGeometry(twipsRect(120, 120, 480, 480));
    Picture1->setAccessibleName(QStringLiteral("Tavrenne"));

    Label2 = new QLabel(QStringLiteral("Tavrenne v1.25"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(840, 240, 2700, 240));
    Label2->setFont(verdana(9.75, true));
    setTextColour(Label2, Qt::white);

    Label1 = new QLabel(Description, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(240, 600, 6465, 1335));
    Label1->setFont(verdana(8.25, false));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label1, Qt::white);

    lblHomePage = new ClickLabel(QStringLiteral("Visit us at www.tavrenne.com"), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setGeometry(twipsRect(2640, 1920, 4050, 195).adjusted(0, 0, 0, twipsY(60)));
    lblHomePage->setFont(verdana(8.25, false));
    lblHomePage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblHomePage->makeLink();
    setTextColour(lblHomePage, Qt::cyan);
    connect(lblHomePage, &ClickLabel::clicked, this, &frmAbout::lblHomePage_Click);

    Label3 = new QLabel(QStringLiteral("Would you like this program under your own name and brand?"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->move(twips(240), twipsY(2280));
    Label3->setFont(verdana(8.25, false));
    Label3->adjustSize();
    setTextColour(Label3, Qt::white);

    lblCoBrand = new ClickLabel(QStringLiteral("Ask about our branding offer"), this);
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    lblCoBrand->setFont(verdana(8.25, true));
    lblCoBrand->makeLink();
    lblCoBrand->adjustSize();
    lblCoBrand->move(twips(4320) + (twips(2400) - lblCoBrand->width()), twipsY(2880));
    setTextColour(lblCoBrand, Qt::cyan);
    connect(lblCoBrand, &ClickLabel::clicked, this, &frmAbout::lblCoBrand_Click);

    Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(0, twipsY(3240), twips(6900), 1);
    setBackgroundColour(Line1, QColor(224, 224, 224));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(5400, 3360, 1260, 345));
    cmdOK->setFont(verdana(8.25, true));
    setButtonFace(cmdOK);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // Enter closes the box: the links come after OK for the keyboard.
    cmdOK->setFocus();
    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCoBrand);
}

void frmAbout::showModal(QWidget *owner)
{
    auto *box = new frmAbout(owner ? owner->window() : nullptr);
    if (const QScreen *screen = box->screen()) {
        const QRect available = screen->geometry();
        box->move(available.center() - QPoint(box->width() / 2, box->height() / 2));
    }
    box->exec();
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::lblHomePage_Click()
{
    OpenWebPage(WebPage::HomePage);
}

void frmAbout::lblCoBrand_Click()
{
    OpenWebPage(WebPage::BrandingOffer);
}
