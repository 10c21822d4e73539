// Small helpers for building windows in code: fonts, colours and named controls.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class QPainter;

namespace shell {

// The maker's banner strips, and the links on them.
inline const QColor BannerBlue(192, 192, 255);
inline const QColor LinkNavy(0, 0, 128);

QFont verdana(qreal points, bool bold = false, bool underline = false);
void setTextColour(QWidget *widget, const QColor &colour);
void setBackgroundColour(QWidget *widget, const QColor &colour);
// The grey face of the program's buttons.
void setButtonFace(QWidget *button, const QColor &face = QColor(192, 192, 192));

// The dotted focus mark, drawn over `rect` of a control the style draws none for.
void drawFocusMark(QPainter &painter, const QWidget *control, const QRect &rect);

// Creates a child control with its object name, as the windows' control tables read.
template<class T, class... Args>
T *named(QWidget *parent, const QString &name, Args &&...args)
{
    T *control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    return control;
}

} // namespace shell
