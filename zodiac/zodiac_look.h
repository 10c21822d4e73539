// The look the Zodiac windows share: paper and ink, framed groups, captions, buttons, banner links.
#pragma once

#include "shell/modHelp.h"

#include <QColor>
#include <QString>

#include <initializer_list>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace shell {
class Panel;
} // namespace shell

namespace zodiac::look {

inline const QColor Paper(250, 246, 238);
inline const QColor Sheet(255, 253, 248);
inline const QColor Ink(45, 40, 35);
inline const QColor Accent(128, 0, 0);

constexpr qreal TextPoints = 9;

// A framed group whose title is set in the accent colour.
// `rules` adds style-sheet rules for what the frame will hold: one sheet for the whole frame costs less
// than a sheet of their own, which has everything under it polished again.
QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QString &rules = {});
// The caption of a field.
QLabel *caption(QWidget *parent, const char *name, const QString &text);
QPushButton *button(QWidget *parent, const char *name, const QString &text);
// The row of the maker's links along the foot of a window: `links` at the left, the strip with the
// branding-offer and co-branding links at the right.
shell::Panel *bannerRow(QWidget *form, std::initializer_list<shell::BannerLink> links);

} // namespace zodiac::look
