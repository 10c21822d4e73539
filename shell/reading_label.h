// A label that takes the keyboard focus, for a text the user came to read.
#pragma once

#include <QLabel>

namespace shell {

// A result put here is read out by a screen reader as the focus lands on it, and Tab comes back to it; the
// focus mark shows where the keyboard is.
class ReadingLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ReadingLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace shell
