// The result form: the drawn tile, its names, its meaning and, for some tiles, their associations.
#include "frmMahjongOracleDisplay.h"

#include "frmMahjongOracleMain.h"
#include "modMajongOracle.h"
#include "oracle_widgets.h"
#include "tile_pictures.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <vector>

using namespace shell;
using namespace mahjong;

namespace {

constexpr int FormWidth = 10080;
constexpr int Margin = 480;

QLabel *makeHeading(QWidget *parent, const QString &text)
{
    auto *heading = new QLabel(text, parent);
    heading->setFont(verdana(8.25, true));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    setTextColour(heading, colours::Gold);
    return heading;
}

QLabel *makeValue(QWidget *parent, const char *name, qreal points)
{
    auto *value = named<QLabel>(parent, QString::fromLatin1(name));
    value->setFont(verdana(points, true));
    value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    value->setWordWrap(true);
    setTextColour(value, colours::Ivory);
    return value;
}

struct PanelColumn
{
    QString heading;
    const char *name;
    QLabel **value;
};

// A panel of values, each under its heading, spread evenly from left to right.
RoundedPanel *makePanel(QWidget *form, const char *name, std::initializer_list<PanelColumn> columns)
{
    auto *panel = named<RoundedPanel>(form, QString::fromLatin1(name));
    panel->setGeometry(twipsRect(Margin, 4980, FormWidth - 2 * Margin, 1020));
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(twips(120), twipsY(90), twips(120), twipsY(60));
    grid->setHorizontalSpacing(twips(120));
    grid->setVerticalSpacing(twipsY(30));
    int column = 0;
    for (const PanelColumn &entry : columns) {
        QLabel *heading = makeHeading(panel, entry.heading);
        *entry.value = makeValue(panel, entry.name, 9);
        heading->setBuddy(*entry.value);
        grid->addWidget(heading, 0, column);
        grid->addWidget(*entry.value, 1, column);
        grid->setColumnStretch(column, 1);
        ++column;
    }
    // Headings sit on the middle line, values hang from it: the pair stays centred however it wraps.
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    // Placed now, though hidden, so every panel stands laid out before its first showing.
    grid->activate();
    panel->hide();
    return panel;
}

QPushButton *makeButton(QWidget *form, const char *name, const QString &caption, int left)
{
    auto *button = named<QPushButton>(form, QString::fromLatin1(name), caption);
    button->setGeometry(twipsRect(left, 6240, 1500, 420));
    button->setFont(verdana(8.25, true));
    setButtonFace(button, colours::ButtonFace);
    return button;
}

} // namespace

frmMahjongOracleDisplay::frmMahjongOracleDisplay(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(QStringLiteral("Qelvo Mahjong Oracle"));
    setBackgroundColour(form(), colours::Felt);

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

    // Held until the draw puts its own tile here.
    picMajong = named<PictureBox>(form(), QStringLiteral("picMajong"));
    picMajong->setPicture(Picture::fromSvg(TileImageList::resourcePath(tilePictureName(1))));
    picMajong->setGeometry(twipsRect((FormWidth - 1710) / 2, 210, 1710, 2280));
    picMajong->setAccessibleName(QStringLiteral("The drawn tile"));
    picMajong->setFocusPolicy(Qt::StrongFocus);

    // English name, name and Chinese name, left to right.
    constexpr int NameMargin = 240;
    constexpr int NameWidth = (FormWidth - 2 * NameMargin) / 3;
    const std::array<std::pair<const char *, QString>, 3> names{
        {{"lblEnglishName", QStringLiteral("English Name")},
         {"lblName", QStringLiteral("Name")},
         {"lblChineseCharacter", QStringLiteral("Chinese Character")}}};
    std::array<QLabel *, 3> nameValues{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int left = NameMargin + int(i) * NameWidth;
        QLabel *heading = makeHeading(form(), names[i].second);
        heading->setGeometry(twipsRect(left, 2640, NameWidth, 300));
        nameValues[i] = makeValue(form(), names[i].first, 10.5);
        nameValues[i]->setGeometry(twipsRect(left, 2970, NameWidth, 600));
        heading->setBuddy(nameValues[i]);
    }
    lblEnglishName = nameValues[0];
    lblName = nameValues[1];
    lblChineseCharacter = nameValues[2];

    QLabel *about = makeHeading(form(), QStringLiteral("About Your Mahjong"));
    about->setGeometry(twipsRect(Margin, 3660, FormWidth - 2 * Margin, 300));
    lblDescription = named<QLabel>(form(), QStringLiteral("lblDescription"));
    lblDescription->setGeometry(twipsRect(Margin, 3990, FormWidth - 2 * Margin, 900));
    lblDescription->setFont(verdana(10));
    lblDescription->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDescription->setWordWrap(true);
    setTextColour(lblDescription, colours::Ivory);
    about->setBuddy(lblDescription);

    picWind = makePanel(form(), "picWind",
                        {{QStringLiteral("Season"), "lblWindSeason", &lblWindSeason},
                         {QStringLiteral("Color"), "lblWindColor", &lblWindColor},
                         {QStringLiteral("Element"), "lblWindElement", &lblWindElement},
                         {QStringLiteral("Constellation"), "lblWindConstellation", &lblWindConstellation}});
    picFlower = makePanel(form(), "picFlower",
                          {{QStringLiteral("Player"), "lblFlowerPlayer", &lblFlowerPlayer},
                           {QStringLiteral("Season"), "lblFlowerSeason", &lblFlowerSeason}});
    picSeason = makePanel(form(), "picSeason",
                          {{QStringLiteral("Player"), "lblSeasonPlayer", &lblSeasonPlayer},
                           {QStringLiteral("Representation"), "lblSeasonRepresentation", &lblSeasonRepresentation},
                           {QStringLiteral("Flower"), "lblSeasonFlower", &lblSeasonFlower},
                           {QStringLiteral("Color"), "lblSeasonColor", &lblSeasonColor},
                           {QStringLiteral("Element"), "lblSeasonElement", &lblSeasonElement}});

    cmdOK = makeButton(form(), "cmdOK", QStringLiteral("&Back"), FormWidth / 2 - 1500 - 150);
    cmdExit = makeButton(form(), "cmdExit", QStringLiteral("&Exit"), FormWidth / 2 + 150);
    connect(cmdOK, &QPushButton::clicked, this, &frmMahjongOracleDisplay::cmdOK_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMahjongOracleDisplay::cmdExit_Click);

    addBannerStrip(form(), twipsRect(0, 6900, FormWidth, 480),
                   {{QStringLiteral("Label61"), WebPage::HomePage},
                    {QStringLiteral("lblFullBrand"), WebPage::BrandingOffer},
                    {QStringLiteral("lblCobrand"), WebPage::CoBranding}});
    setClientSizeTwips(FormWidth, 7380);
}

void frmMahjongOracleDisplay::Form_Load()
{
    place();
}

void frmMahjongOracleDisplay::showPanel(const PanelValues &values)
{
    hidePanels();
    RoundedPanel *panel = nullptr;
    std::vector<QLabel *> labels;
    switch (values.panel) {
    case TilePanel::Wind:
        panel = picWind;
        labels = {lblWindSeason, lblWindColor, lblWindElement, lblWindConstellation};
        break;
    case TilePanel::Flower:
        panel = picFlower;
        labels = {lblFlowerPlayer, lblFlowerSeason};
        break;
    case TilePanel::Season:
        panel = picSeason;
        labels = {lblSeasonPlayer, lblSeasonRepresentation, lblSeasonFlower, lblSeasonColor, lblSeasonElement};
        break;
    case TilePanel::None:
        return;
    }
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(values.values.value(qsizetype(i)));
    panel->show();
}

void frmMahjongOracleDisplay::offerReading()
{
    // Each value after its heading, in the order the form shows them; read out at once as the focus lands.
    QStringList reading;
    const auto add = [&reading](QWidget *within) {
        for (QLabel *heading : within->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
            const auto *value = qobject_cast<QLabel *>(heading->buddy());
            if (!value || value->text().isEmpty())
                continue;
            QString said = heading->text() + QStringLiteral(": ") + value->text();
            if (!said.endsWith(QLatin1Char('.')))
                said += QLatin1Char('.');
            reading << said;
        }
    };
    add(form());
    for (RoundedPanel *panel : {picWind, picFlower, picSeason}) {
        if (!panel->isHidden())
            add(panel);
    }
    picMajong->setAccessibleDescription(reading.join(QLatin1Char(' ')));
    picMajong->setFocus();
}

void frmMahjongOracleDisplay::hidePanels()
{
    picFlower->hide();
    picWind->hide();
    picSeason->hide();
}

void frmMahjongOracleDisplay::cmdOK_Click()
{
    if (auto *draw = windows().find<frmMahjongOracleMain>())
        draw->offerTiles();
    hidePanels();
    if (auto *draw = static_cast<frmMahjongOracleMain *>(closeAndReturnTo(frmMahjongOracleMain::Id)))
        draw->cmdFindMajong->setFocus();
}

void frmMahjongOracleDisplay::cmdExit_Click()
{
    close();
}

void frmMahjongOracleDisplay::mnuFileBack_Click()
{
    cmdOK_Click();
}

void frmMahjongOracleDisplay::mnuExit_Click()
{
    close();
}

void frmMahjongOracleDisplay::mnuCopyReading_Click()
{
    QGuiApplication::clipboard()->setText(mahjong::tileReadingText(mahjong::TileNumber));
}
