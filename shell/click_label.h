// A label that answers clicks and pointer moves, as the launcher's captions and the banner links need.
#pragma once

#include <QLabel>

namespace shell {

// A label that can be clicked; with keyboard focus, Enter or Space clicks it too.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text = QString(), QWidget *parent = nullptr);
    // A link: hand pointer and keyboard focus; assistive technology sees a link it can press.
    void makeLink();
    bool isLink() const { return m_link; }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
    bool m_link = false;
};

} // namespace shell
