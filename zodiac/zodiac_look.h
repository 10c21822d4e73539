// The look the Zodiac windows share: paper and ink, framed groups, captions, buttons, banner links.
#pragma once

#include <QColor>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace shell {
class ClickLabel;
class Panel;
} // namespace shell

namespace zodiac::look {

inline const QColor Paper(250, 246, 238);
inline const QColor Sheet(255, 253, 248);
inline const QColor Ink(45, 40, 35);
inline const QColor Accent(128, 0, 0);

constexpr qreal TextPoints = 9;

// A framed group whose title is set in the accent colour.
QGroupBox *frame(QWidget *parent, const char *name, const QString &title);
// The caption of a field.
QLabel *caption(QWidget *parent, const char *name, const QString &text);
QPushButton *button(QWidget *parent, const char *name, const QString &text);
// A banner label that opens the maker's home page.
shell::ClickLabel *homePageLink(QWidget *parent, const char *name, const QString &text);
// The strip with the branding-offer and co-branding links, `widthTwips` wide.
shell::Panel *brandStrip(QWidget *form, int widthTwips);

} // namespace zodiac::look
