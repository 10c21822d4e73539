// The launcher: the parent window of every tool window, with the panel of tool choices.
#include "frmMDI.h"

#include "active_window.h"
#include "click_label.h"
#include "modHelp.h"
#include "panel.h"
#include "picture.h"
#include "picture_box.h"
#include "return_key.h"
#include "tool_keys_first.h"
#include "tool_window.h"
#include "twips.h"
#include "ui.h"
#include "wrap_button.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedLayout>
#include <QVBoxLayout>

using namespace shell;

namespace {

frmMDI *g_instance = nullptr;

struct ToolButton
{
    const char *caption;
    int left;
    int top;
};

// By index; on screen they read Zodiac, I Ching, Fortune Cookie, Mahjong.
constexpr std::array<ToolButton, 4> kButtons{{
    {"Chinese Zodiac Software", 720, 195},
    {"Fortune Cookie", 6120, 195},
    {"IChing Software", 3360, 195},
    {"Mahjong Oracle", 8760, 188},
}};

constexpr std::array<WindowId, 4> kToolWindows{WindowId::ChineseZodiacMain, WindowId::FortuneCookieMain,
                                               WindowId::IChingSoftwareMain, WindowId::MahjongOracleMain};

struct Caption
{
    const char *text;
    QRgb colour;
    qreal points;
    bool bold;
    int top, width, height;
};

// clang-format off
constexpr std::array<Caption, 7> kCaptions{{
    {"Welcome to Tavrenne", qRgb(0, 255, 255), 12, true, 240, 4065, 270},
    {"Chinese Divination is an age old subject, the origin of which is unknown till date. Astrology & "
     "divination in China originated around 4000 years ago. Tavrenne is an excellent and thought provoking "
     "program. It gives you an instant look at your astrological sign and also the I Ching divination along "
     "with Mahjong and Fortune Cookie that helps you know about your near future. It also predicts the "
     "situations you may face in the future, thus preparing you for the worst.",
     qRgb(255, 0, 0), 8.25, true, 600, 10695, 1065},
    {"Just input your name and date of birth and get to know your lucky Tavrenne Reading!", qRgb(0, 255, 255),
     9.75, false, 1920, 9105, 240},
    {"Chinese Zodiac Software", qRgb(255, 255, 0), 12, true, 2640, 3270, 270},
    {"Fortune Cookie", qRgb(255, 0, 255), 12, true, 4160, 1995, 270},
    {"IChing Software", qRgb(0, 255, 0), 12, true, 3400, 2160, 270},
    {"Mahjong Oracle", qRgb(255, 0, 0), 12, true, 4920, 2070, 270},
}};
// clang-format on

// Caption index 3 to 6 opens the tool of button index 0 to 3.
constexpr qint16 FirstLinkCaption = 3;
constexpr qint16 LastLinkCaption = 6;

// Closes every tool window; the second pass catches those a close handler reopened.
// clang-format off
constexpr std::array<WindowId, 13> kCloseOrder{
    WindowId::ChineseZodiacDisplay, WindowId::ChineseZodiacMain,   WindowId::ChineseZodiacSave,
    WindowId::FortuneCookieDisplay, WindowId::FortuneCookieMain,   WindowId::IChingSoftwareMain,
    WindowId::IChingSoftwareStart,  WindowId::MahjongOracleDisplay, WindowId::MahjongOracleMain,
    WindowId::ChineseZodiacDisplay, WindowId::FortuneCookieDisplay, WindowId::MahjongOracleDisplay,
    WindowId::IChingSoftwareStart,
};
// clang-format on

// The area that holds the tool windows, as a screen reader should see it: a plain container that lists them. As
// a layered pane it is announced as such every time the focus enters a tool.
class ToolAreaAccessible : public QAccessibleWidget
{
public:
    explicit ToolAreaAccessible(QMdiArea *area)
        : QAccessibleWidget(area, QAccessible::Client)
    {
    }

    int childCount() const override { return int(area()->subWindowList().size()); }

    QAccessibleInterface *child(int index) const override
    {
        QMdiSubWindow *window = area()->subWindowList().value(index);
        return window ? QAccessible::queryAccessibleInterface(window) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        auto *window = child ? qobject_cast<QMdiSubWindow *>(child->object()) : nullptr;
        return window ? int(area()->subWindowList().indexOf(window)) : -1;
    }

private:
    QMdiArea *area() const { return static_cast<QMdiArea *>(widget()); }
};

QAccessibleInterface *toolAreaAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QMdiArea") && object && object->objectName() == QLatin1String("mdiClient"))
        return new ToolAreaAccessible(static_cast<QMdiArea *>(object));
    return nullptr;
}

} // namespace

frmMDI::frmMDI(QWidget *parent)
    : QMainWindow(parent)
{
    g_instance = this;
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&toolAreaAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("Tavrenne v1.25"));
    fitToScreen();

    m_area = new QMdiArea;
    m_area->setObjectName(QStringLiteral("mdiClient"));
    m_area->setBackground(Qt::black);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_windows = new WindowRegistry(m_area, this);

    createStrips();
    createButtons();
    createCaptions();
    createMenus();
    setKeyboardOrder();
    m_toolKeys = new ToolKeysFirst(menuBar(), m_area, cmdMdiExit, this);
    new ReturnPressesButtons(this);
    new ActiveWindowStaysQuiet(this);
    MDIForm_Load();
    m_welcome = QStringList{lblCaption[0]->text(), lblCaption[1]->text(), lblCaption[2]->text()}.join(QLatin1Char(' '));
    setAccessibleDescription(m_welcome);
    // Banners are links too, but a tool is what the user came for.
    cmdSelectOption[0]->setFocus();
    m_opener = cmdSelectOption[0];
}

frmMDI::~frmMDI()
{
    // Hidden while still a launcher: the tool windows' hide handlers reach back into it.
    hide();
    // Its filters watch controls that are about to go.
    delete m_toolKeys;
    if (g_instance == this)
        g_instance = nullptr;
}

frmMDI *frmMDI::instance()
{
    return g_instance;
}

void frmMDI::fitToScreen()
{
    // The design size, but on a netbook or a laptop at 200% that would push the title bar and the foot strip
    // off the screen when the launcher is not maximized. Frames are only known once shown: allow for one.
    const QSize frame(16, 48);
    const QSize available = screen()->availableGeometry().size() - frame;
    resize(twipsSize(11880, 8190).boundedTo(available));
}

void frmMDI::createStrips()
{
    auto *client = new QWidget;
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Picture6 = named<Panel>(client, QStringLiteral("Picture6"));
    Picture6->setBackground(BannerBlue);
    Picture6->setFixedHeight(twipsY(560));
    Picture6->setCursor(Qt::PointingHandCursor);
    connect(Picture6, &Panel::clicked, this, [] { OpenWebPage(WebPage::HomePage); });
    connect(Picture6, &Panel::resized, this, &frmMDI::centreControls);
    lblOrrindelBanner = addWebLink(Picture6, QStringLiteral("lblOrrindelBanner"),
                                   QStringLiteral("Discover more calm, clever software at the Tavrenne home page"),
                                   WebPage::HomePage, 9.75);
    layout->addWidget(Picture6);

    Picture1 = named<QWidget>(client, QStringLiteral("Picture1"));
    Picture1->setFixedHeight(twipsY(900));
    Picture1->setAutoFillBackground(true);
    layout->addWidget(Picture1);

    auto *middle = new QWidget(client);
    auto *stack = new QStackedLayout(middle);
    stack->setStackingMode(QStackedLayout::StackAll);
    picMain = named<Panel>(middle, QStringLiteral("picMain"));
    picMain->setBackground(Qt::black);
    connect(picMain, &Panel::mouseMoved, this, &frmMDI::picMain_MouseMove);
    connect(picMain, &Panel::resized, this, &frmMDI::centreControls);
    stack->addWidget(m_area);
    stack->addWidget(picMain);
    stack->setCurrentWidget(picMain);
    layout->addWidget(middle, 1);

    PicCoBrand = named<Panel>(client, QStringLiteral("PicCoBrand"));
    PicCoBrand->setBackground(BannerBlue);
    PicCoBrand->setFixedHeight(twipsY(735));
    connect(PicCoBrand, &Panel::resized, this, &frmMDI::centreControls);
    cmdMdiExit = named<QPushButton>(PicCoBrand, QStringLiteral("cmdMdiExit"), QStringLiteral("&Exit"));
    cmdMdiExit->setGeometry(twipsRect(0, 120, 1335, 495));
    cmdMdiExit->setFont(verdana(8.25, true));
    setButtonFace(cmdMdiExit);
    connect(cmdMdiExit, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);
    Label7 = addWebLink(PicCoBrand, QStringLiteral("Label7"),
                        QStringLiteral("Your name on these four oracles? Ask about our branding offer"),
                        WebPage::BrandingOffer);
    Label7->move(twips(240), (twipsY(735) - Label7->height()) / 2);
    layout->addWidget(PicCoBrand);

    setCentralWidget(client);
}

void frmMDI::createButtons()
{
    picButtonContainer = named<QWidget>(Picture1, QStringLiteral("picButtonContainer"));
    picButtonContainer->setGeometry(0, (twipsY(900) - twipsY(800)) / 2, twips(10815), twipsY(800));

    for (qint16 index = 0; index < 4; ++index) {
        const ToolButton &b = kButtons[index];
        WrapButton *button = named<WrapButton>(picButtonContainer, QStringLiteral("cmdSelectOption(%1)").arg(index),
                                               QString::fromLatin1(b.caption));
        button->setGeometry(twipsRect(b.left, b.top, 1890, 495));
        button->setFont(verdana(8.25, true));
        setButtonFace(button);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
        cmdSelectOption[index] = button;
    }

    const auto icon = [this](const char *name, const char *picture, int left, const char *tool) {
        PictureBox *box = named<PictureBox>(picButtonContainer, QString::fromLatin1(name));
        box->setPicture(Picture::fromSvg(QStringLiteral(":/shell/pictures/%1.svg").arg(QLatin1String(picture))));
        box->setGeometry(twipsRect(left, 180, 510, 510));
        box->setAccessibleName(QString::fromLatin1(tool));
        return box;
    };
    Picture2 = icon("Picture2", "zodiac", 120, "Chinese Zodiac");
    Picture4 = icon("Picture4", "iching", 2760, "I Ching");
    Picture3 = icon("Picture3", "fortune", 5520, "Fortune Cookie");
    Picture5 = icon("Picture5", "mahjong", 8160, "Mahjong Oracle");
}

void frmMDI::createCaptions()
{
    for (qint16 index = 0; index < 7; ++index) {
        const Caption &c = kCaptions[index];
        ClickLabel *label = named<ClickLabel>(picMain, QStringLiteral("lblCaption(%1)").arg(index),
                                              QString::fromUtf8(c.text));
        label->setFont(verdana(c.points, c.bold));
        setTextColour(label, QColor(c.colour));
        label->setAttribute(Qt::WA_TranslucentBackground);
        const bool wraps = index == 1;
        label->setAlignment(wraps ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(wraps);
        // Keep the design size, but never cut off a caption whose font runs wider here.
        int width = twips(c.width);
        if (!wraps)
            width = std::max(width, label->sizeHint().width());
        int height = std::max(twipsY(c.height), wraps ? label->heightForWidth(width) : label->sizeHint().height());
        label->setGeometry(0, twipsY(c.top), width, height);
        if (index >= FirstLinkCaption)
            label->makeLink();
        connect(label, &ClickLabel::clicked, this, [this, index] { lblCaption_Click(index); });
        connect(label, &ClickLabel::mouseMoved, this, [this, index] { lblCaption_MouseMove(index); });
        lblCaption[index] = label;
    }
}

void frmMDI::createMenus()
{
    mnuFile = addFileMenu(menuBar());
    mnuExit = addMenuEntry(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { mnuExit_Click(); });
    mnuHelp = addHelpMenu(menuBar(), this);
}

// Tab follows the screen, not the order of creation: the banner, the tools left to right,
// their captions top to bottom, then the foot strip.
void frmMDI::setKeyboardOrder()
{
    // clang-format off
    const std::array<QWidget *, 11> order{lblOrrindelBanner, cmdSelectOption[0], cmdSelectOption[2],
                                          cmdSelectOption[1], cmdSelectOption[3], lblCaption[3],
                                          lblCaption[5],      lblCaption[4],      lblCaption[6],
                                          cmdMdiExit,         Label7};
    // clang-format on
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMDI::MDIForm_Load()
{
    centreControls();
}

void frmMDI::centreControls()
{
    // Measured against the launcher's own width, so nothing lands outside it.
    const int width = picMain->width() > 0 ? picMain->width() : this->width();
    lblOrrindelBanner->move((width - lblOrrindelBanner->width()) / 2,
                            (Picture6->height() - lblOrrindelBanner->height()) / 2);
    picButtonContainer->move((width - picButtonContainer->width()) / 2, picButtonContainer->y());
    for (ClickLabel *label : lblCaption)
        label->move((width - label->width()) / 2, label->y());
    cmdMdiExit->move(width - (cmdMdiExit->width() + twips(120)), cmdMdiExit->y());
}

void frmMDI::setPanelVisible(bool visible)
{
    const bool shows = visible && picMain->isHidden();
    picMain->setVisible(visible);
    // Read with the window's name while the panel shows; not again over a tool each time the window is named.
    setAccessibleDescription(visible ? m_welcome : QString());
    if (!shows)
        return;
    // Back to the control that opened the tool, once the closing is over: a window handing over to its sibling
    // hides the panel again at once and puts the focus in the sibling.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_unloading || picMain->isHidden() || !m_opener || !m_opener->isVisible())
                return;
            QWidget *focus = QApplication::focusWidget();
            if (focus && focus->isVisible() && focus->window() == this && !m_area->isAncestorOf(focus))
                return;
            m_opener->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

bool frmMDI::isPanelVisible() const
{
    return !picMain->isHidden();
}

void frmMDI::closeToolWindows()
{
    for (const WindowId id : kCloseOrder)
        m_windows->close(id);
}

void frmMDI::openTool(qint16 buttonIndex)
{
    if (buttonIndex < 0 || buttonIndex > 3)
        return;
    ToolWindow *window = m_windows->window(kToolWindows[buttonIndex]);
    if (!window)
        return;
    window->prepareForLauncher();
    window->show();
    window->place();
    window->placedByLauncher();
}

void frmMDI::cmdSelectOption_Click(qint16 index)
{
    if (index >= 0 && index < qint16(cmdSelectOption.size()))
        m_opener = cmdSelectOption[index];
    closeToolWindows();
    setPanelVisible(false);
    openTool(index);
}

void frmMDI::lblCaption_Click(qint16 index)
{
    closeToolWindows();
    if (index < FirstLinkCaption || index > LastLinkCaption)
        return;
    m_opener = lblCaption[index];
    setPanelVisible(false);
    openTool(static_cast<qint16>(index - FirstLinkCaption));
}

void frmMDI::lblCaption_MouseMove(qint16 index)
{
    if (index < FirstLinkCaption || index > LastLinkCaption)
        return;
    ClickLabel *label = lblCaption[index];
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
}

void frmMDI::picMain_MouseMove()
{
    for (ClickLabel *label : lblCaption) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

void frmMDI::cmdMdiExit_Click()
{
    close();
}

void frmMDI::mnuExit_Click()
{
    close();
}

void frmMDI::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The focus mark shows from the start, not only after a first Tab; showing the window cleared it.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    m_unloading = true;
    // As a parent window does, close the tool windows first.
    for (ToolWindow *window : m_windows->openWindows())
        window->close();
    event->accept();
    MDIForm_Unload();
}

void frmMDI::MDIForm_Unload()
{
    ExitApplication();
}
