// The draw form: a group of tiles to click, a short wait, then the drawn tile's reading.
#include "frmMahjongOracleMain.h"

#include "frmMahjongOracleDisplay.h"
#include "modMajongOracle.h"
#include "oracle_widgets.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "shell/reading_label.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <chrono>

using namespace shell;
using namespace mahjong;

namespace {

constexpr int FormWidth = 10080;
qint16 g_drawPause = 3;

QLabel *makeLine(QWidget *form, const char *name, const QString &text, int top, int height, const QFont &font,
                 const QColor &colour)
{
    auto *label = named<QLabel>(form, QString::fromLatin1(name), text);
    label->setGeometry(twipsRect(360, top, FormWidth - 720, height));
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    setTextColour(label, colour);
    return label;
}

} // namespace

frmMahjongOracleMain::frmMahjongOracleMain(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(QStringLiteral("Qelvo Mahjong Oracle"));
    setBackgroundColour(form(), colours::Felt);

    QMenu *file = addFileMenu(menuBar());
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { mnuExit_Click(); });
    addHelpMenu(menuBar(), this);

    Label5 = makeLine(form(), "Label5", QStringLiteral("Welcome to the Mahjong Oracle !"), 240, 600, verdana(16, true),
                      colours::Gold);
    Label4 = makeLine(form(), "Label4", QStringLiteral("Think about the Problem that has been worrying you"), 900, 360,
                      verdana(10), colours::Ivory);
    Label3 = makeLine(form(), "Label3", QStringLiteral("Take a Deep Breath and Calm Yourself."), 1260, 360, verdana(10),
                      colours::Ivory);

    cmdFindMajong = named<PictureButton>(form(), QStringLiteral("cmdFindMajong"));
    cmdFindMajong->setPicture(Picture::fromSvg(QStringLiteral(":/mahjong/tiles/group.svg")));
    cmdFindMajong->setGeometry(twipsRect((FormWidth - 4500) / 2, 1800, 4500, 3000));
    cmdFindMajong->setAccessibleName(QStringLiteral("Mahjong tiles"));
    cmdFindMajong->setAccessibleDescription(QStringLiteral("Draws one tile and shows its reading"));
    cmdFindMajong->setToolTip(QStringLiteral("Click the tiles to draw one"));
    connect(cmdFindMajong, &PictureButton::clicked, this, &frmMahjongOracleMain::cmdFindMajong_Click);

    // The wait panel stands where the tiles were.
    picMessage = named<RoundedPanel>(form(), QStringLiteral("picMessage"));
    picMessage->setGeometry(twipsRect((FormWidth - 4200) / 2, 2400, 4200, 1800));
    // It holds the focus through the wait, so the keyboard stays on what is happening and is read out.
    pi = named<ReadingLabel>(picMessage, QStringLiteral("pi"));
    pi->setText(QStringLiteral("Please Wait"));
    pi->setGeometry(QRect(QPoint(0, twipsY(300)), twipsSize(4200, 660)));
    pi->setFont(verdana(16, true));
    pi->setAlignment(Qt::AlignCenter);
    setTextColour(pi, colours::Gold);
    // The colours of the four winds, east to north.
    const std::array<QColor, 4> windColours{QColor(46, 160, 92), QColor(200, 44, 40), QColor(250, 246, 236),
                                            QColor(24, 24, 24)};
    constexpr int ShapeSize = 270;
    constexpr int ShapeGap = 240;
    const int rowLeft = (4200 - 4 * ShapeSize - 3 * ShapeGap) / 2;
    for (std::size_t i = 0; i < shp.size(); ++i) {
        shp[i] = named<Shape>(picMessage, QStringLiteral("shp%1").arg(i + 1));
        shp[i]->setFill(windColours[i]);
        shp[i]->setGeometry(twipsRect(rowLeft + int(i) * (ShapeSize + ShapeGap), 1140, ShapeSize, ShapeSize));
    }
    picMessage->hide();

    lblClickMessage = makeLine(form(), "lblClickMessage",
                               QStringLiteral("Take a Deep Breath And Click on the Mahjong Tile"), 4920, 420,
                               verdana(11, true), colours::Gold);
    lblClickMessage->setBuddy(cmdFindMajong);

    addBannerStrip(form(), twipsRect(0, 5580, FormWidth, 480),
                   {{QStringLiteral("Label61"), WebPage::HomePage},
                    {QStringLiteral("lblFullBrand"), WebPage::BrandingOffer},
                    {QStringLiteral("lblCobrand"), WebPage::CoBranding}});
    setClientSizeTwips(FormWidth, 6060);
}

void frmMahjongOracleMain::Form_Load()
{
    place();
}

qint16 frmMahjongOracleMain::drawPause()
{
    return g_drawPause;
}

void frmMahjongOracleMain::setDrawPause(qint16 seconds)
{
    g_drawPause = seconds;
}

void frmMahjongOracleMain::Pause(qint16 seconds)
{
    // Sleeping in a local event loop keeps the windows alive without burning a core; the deadline runs
    // on the monotonic clock, so neither midnight nor a change of the wall clock can cut it short or stretch it.
    const QDeadlineTimer deadline(std::chrono::seconds(std::max<int>(seconds, 0)), Qt::PreciseTimer);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    while (!deadline.hasExpired()) {
        timedOut = false;
        timer.start(std::chrono::milliseconds(deadline.remainingTime()));
        loop.exec();
        // Only the program's end stops a loop we did not stop ourselves: then waiting on is pointless.
        if (!timedOut)
            return;
    }
}

void frmMahjongOracleMain::cmdFindMajong_Click()
{
    // The wait runs other handlers, among them this form's close and the launcher's: past it, only
    // what still stands is touched, and the reading is shown only if this form is still the tool's.
    const QPointer<frmMahjongOracleMain> self(this);
    const QPointer<frmMDI> launcher(&mdi());
    picMessage->show();
    pi->setFocus();
    cmdFindMajong->hide();
    Pause(drawPause());
    DrawTile();
    if (!self || self->isClosing() || !launcher || launcher->isUnloading())
        return;

    auto *display = launcher->windows().window<frmMahjongOracleDisplay>();
    if (display) {
        display->picMajong->setPicture(IMGMajong.picture(TileNumber));
        display->lblName->setText(TileName);
        display->lblEnglishName->setText(TileEnglishName);
        display->lblChineseCharacter->setText(TileChineseName);
        display->lblDescription->setText(TileDescription);
        display->showPanel(panelFor(TileEnglishName));
    }
    hide();
    if (display) {
        display->show();
        display->offerReading();
    }
    launcher->setPanelVisible(false);
}

void frmMahjongOracleMain::offerTiles()
{
    cmdFindMajong->show();
    picMessage->hide();
}

void frmMahjongOracleMain::mnuExit_Click()
{
    close();
}
