// A push button whose caption wraps.
#pragma once

#include <QPushButton>

namespace shell {

// A push button whose caption wraps onto a second line when the button is narrow.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrapButton(const QString &text = QString(), QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace shell
