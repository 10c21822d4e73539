// A box that shows a picture, scaled to fit.
#pragma once

#include "picture.h"

#include <QWidget>

namespace shell {

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }
    QSize sizeHint() const override { return m_picture.sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture m_picture;
};

} // namespace shell
