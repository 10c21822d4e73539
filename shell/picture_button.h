// A picture that acts as a button.
#pragma once

#include "picture.h"

#include <QAbstractButton>

namespace shell {

// A picture that acts as a button: hand pointer, keyboard focus, Space or Enter to press.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }
    QSize sizeHint() const override { return m_picture.sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Picture m_picture;
};

} // namespace shell
