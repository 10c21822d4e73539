// The look the Zodiac windows share: paper and ink, framed groups, captions, buttons, banner links.
#include "zodiac_look.h"

#include "shell/click_label.h"
#include "shell/panel.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace shell;

namespace zodiac::look {

QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QString &rules)
{
    auto *box = named<QGroupBox>(parent, QString::fromLatin1(name), title);
    box->setFont(verdana(10, true));
    // Only the frame and its title: the children keep their own palette and fonts.
    box->setStyleSheet(QStringLiteral("QGroupBox { background-color: %1; border: 1px solid #cdbb9f; border-radius: 6px;"
                                      " margin-top: %3px; }"
                                      "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px;"
                                      " color: %2; }")
                           .arg(Sheet.name(), Accent.name())
                           .arg(box->fontMetrics().height() / 2 + 2)
                       + rules);
    return box;
}

QLabel *caption(QWidget *parent, const char *name, const QString &text)
{
    auto *label = named<QLabel>(parent, QString::fromLatin1(name), text);
    label->setFont(verdana(TextPoints, true));
    setTextColour(label, Ink);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *button = named<QPushButton>(parent, QString::fromLatin1(name), text);
    button->setFont(verdana(8.25, true));
    setButtonFace(button);
    button->setMinimumSize(twipsSize(1500, 420));
    return button;
}

Panel *bannerRow(QWidget *form, std::initializer_list<BannerLink> links)
{
    auto *row = named<Panel>(form, QStringLiteral("bannerRow"));
    row->setBackground(BannerBlue);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(twips(120), twipsY(60), twips(120), twipsY(60));
    layout->setSpacing(twips(240));
    for (const BannerLink &link : links) {
        const QString text = link.text.isEmpty() ? bannerText(link.page) : link.text;
        layout->addWidget(addWebLink(row, link.name, text, link.page));
    }
    layout->addStretch(1);
    layout->addWidget(addBannerStrip(row, twipsRect(0, 0, 5000, 480),
                                     {{QStringLiteral("lblFullBrand"), WebPage::BrandingOffer},
                                      {QStringLiteral("lblCobrand"), WebPage::CoBranding}},
                                     QStringLiteral("fraFullBrand")));
    return row;
}

} // namespace zodiac::look
