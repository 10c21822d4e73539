// The procedures every window shares: quitting, the shared menus and the maker's banner links.
#include "modHelp.h"

#include "click_label.h"
#include "frmAbout.h"
#include "frmMDI.h"
#include "panel.h"
#include "platform.h"
#include "tool_window.h"
#include "ui.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace shell {

void ExitApplication()
{
    // Closing the launcher comes back here through its unload; once is enough.
    static bool exiting = false;
    if (exiting)
        return;
    exiting = true;
    if (frmMDI *mdi = frmMDI::instance()) {
        if (!mdi->isUnloading())
            mdi->close();
        for (ToolWindow *window : mdi->windows().openWindows())
            window->close();
    }
    exiting = false;
    platform().process->endProcess();
}

QMenu *addFileMenu(QMenuBar *bar)
{
    QMenu *menu = bar->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    return menu;
}

QAction *addMenuEntry(QMenu *menu, const QString &name, const QString &caption, std::function<void()> handler)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, [handler = std::move(handler)] { handler(); });
    return action;
}

void addMenuSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

QMenu *addHelpMenu(QMenuBar *bar, QWidget *owner, const HelpMenuNames &names)
{
    QMenu *menu = bar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    addMenuEntry(menu, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"),
                 [] { OpenWebPage(WebPage::OnlineHelp); });
    addMenuEntry(menu, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"),
                 [] { OpenWebPage(WebPage::HomePage); });
    addMenuSeparator(menu, names.firstSeparator);
    addMenuEntry(menu, QStringLiteral("mnuUpdate"), names.updateCaption, [] { OpenWebPage(WebPage::Download); });
    addMenuSeparator(menu, names.secondSeparator);
    addMenuEntry(menu, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"),
                 [owner] { ::frmAbout::showModal(owner); });
    return menu;
}

QString bannerText(WebPage page)
{
    switch (page) {
    case WebPage::HomePage:
        return QStringLiteral("Visit the Tavrenne home page");
    case WebPage::BrandingOffer:
        return QStringLiteral("Your brand on Tavrenne");
    case WebPage::CoBranding:
        return QStringLiteral("Co-brand with us");
    case WebPage::OnlineHelp:
        return QStringLiteral("Online help");
    case WebPage::Download:
        return QStringLiteral("Get the latest version");
    }
    return QString();
}

ClickLabel *addWebLink(QWidget *parent, const QString &name, const QString &text, WebPage page, qreal points)
{
    auto *label = named<ClickLabel>(parent, name, text);
    label->setFont(verdana(points, true, true));
    setTextColour(label, LinkNavy);
    label->makeLink();
    label->adjustSize();
    QObject::connect(label, &ClickLabel::clicked, label, [page] { OpenWebPage(page); });
    return label;
}

Panel *addBannerStrip(QWidget *form, const QRect &geometry, std::initializer_list<BannerLink> links,
                      const QString &stripName)
{
    auto *strip = new Panel(form);
    strip->setObjectName(stripName.isEmpty() ? QStringLiteral("bannerStrip") : stripName);
    strip->setBackground(BannerBlue);
    strip->setGeometry(geometry);
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addStretch(1);
    std::vector<ClickLabel *> labels;
    for (const BannerLink &link : links) {
        ClickLabel *label = addWebLink(strip, link.name, link.text.isEmpty() ? bannerText(link.page) : link.text,
                                       link.page);
        layout->addWidget(label);
        labels.push_back(label);
    }
    layout->addStretch(1);
    // A narrow strip gets a smaller type rather than cut-off links.
    for (qreal points = 8.25; points >= 6.0; points -= 0.75) {
        int needed = 16;
        for (ClickLabel *label : labels) {
            label->setFont(verdana(points, true, true));
            needed += label->sizeHint().width();
        }
        const int spacing = points >= 8.25 ? 24 : 12;
        layout->setSpacing(spacing);
        needed += spacing * int(labels.size());
        if (needed <= geometry.width())
            break;
    }
    return strip;
}

} // namespace shell
