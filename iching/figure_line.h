// One line of a hexagram figure: holds its symbol text and draws it as a bar.
#pragma once

#include <QLabel>

namespace iching {

class FigureLine : public QLabel
{
    Q_OBJECT
public:
    explicit FigureLine(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace iching
