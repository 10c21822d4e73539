// A coloured strip or panel that answers clicks and pointer moves.
#pragma once

#include <QWidget>

namespace shell {

// A plain panel with a background colour that reports clicks and pointer moves.
class Panel : public QWidget
{
    Q_OBJECT
public:
    explicit Panel(QWidget *parent = nullptr);
    void setBackground(const QColor &colour);

signals:
    void clicked();
    void mouseMoved();
    void resized();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace shell
