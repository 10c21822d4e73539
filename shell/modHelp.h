// The procedures every window shares: web links, the update reminder, scrambling,
// quitting, and the menu set the launcher and the tool windows carry.
#pragma once

#include "text_scrambling.h"
#include "update_reminder.h"
#include "web_pages.h"

#include <QRect>
#include <QString>

#include <functional>
#include <initializer_list>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace shell {

// Closes every open window in the order it was opened, then ends the process.
void ExitApplication();

struct HelpMenuNames
{
    QString updateCaption = QStringLiteral("Check for Software &Update");
    QString firstSeparator = QStringLiteral("mnuHelpSep1");
    QString secondSeparator = QStringLiteral("mnuHelpSep2");
};

// The shared Help menu; "&About Software" shows the About box over `owner`.
QMenu *addHelpMenu(QMenuBar *bar, QWidget *owner, const HelpMenuNames &names = {});
// The "&File" menu, filled by the window that owns it.
QMenu *addFileMenu(QMenuBar *bar);
QAction *addMenuEntry(QMenu *menu, const QString &name, const QString &caption, std::function<void()> handler);
void addMenuSeparator(QMenu *menu, const QString &name);

class ClickLabel;
class Panel;

// The banner text for each of the maker's pages.
QString bannerText(WebPage page);

struct BannerLink
{
    QString name;
    WebPage page;
    QString text = QString(); // the page's usual banner text when empty
};

// A navy link, as the maker's banners carry, that opens `page`.
ClickLabel *addWebLink(QWidget *parent, const QString &name, const QString &text, WebPage page, qreal points = 8.25);

// A strip of the maker's banner links along a tool window, each opening its page.
Panel *addBannerStrip(QWidget *form, const QRect &geometry, std::initializer_list<BannerLink> links,
                      const QString &stripName = QString());

} // namespace shell
