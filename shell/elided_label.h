// One line of text the user gave, shown as plain text and cut short with an ellipsis where it
// does not fit; the whole text stays in the tooltip and the accessible name.
#pragma once

#include <QLabel>

namespace shell {

class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    // Hides QLabel::setText so that the tooltip and the accessible name follow the text.
    void setText(const QString &text);
    // What the line shows at its present width.
    QString shownText() const;

    // Whatever the text, the line asks for the same room: a long one must not push the window apart.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateToolTip();
};

// Rich text that shows `text` exactly as written: for tooltips, which Qt takes as rich text
// whenever the text looks like markup.
QString plainTextAsRichText(const QString &text);

} // namespace shell
