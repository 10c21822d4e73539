// Labels and strips that answer clicks and pointer moves, as the launcher and banners need.
#pragma once

#include <QLabel>
#include <QWidget>

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
