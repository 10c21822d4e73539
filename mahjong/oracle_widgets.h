// The look both oracle forms share: the felt colours, a framed panel and the small static shapes.
#pragma once

#include <QColor>
#include <QWidget>

namespace mahjong {

namespace colours {
inline const QColor Felt(24, 92, 58);
inline const QColor FeltDeep(16, 66, 41);
inline const QColor Gold(233, 196, 106);
inline const QColor Ivory(250, 243, 224);
inline const QColor ButtonFace(238, 229, 204);
} // namespace colours

// A panel with rounded corners and a thin gold rim, laid over the felt.
class RoundedPanel : public QWidget
{
    Q_OBJECT
public:
    explicit RoundedPanel(QWidget *parent = nullptr);
    void setFill(const QColor &fill);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = colours::FeltDeep;
};

// A small filled circle that only decorates: it takes no focus and no clicks.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);
    void setFill(const QColor &fill);
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = colours::Gold;
};

} // namespace mahjong
