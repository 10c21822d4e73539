// Design units: 1440 twips an inch, through the screen's logical DPI.
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace shell {

namespace {

qreal dpi(bool horizontal)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    return horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
}

} // namespace

int twips(int value)
{
    return static_cast<int>(std::lround(value * dpi(true) / 1440.0));
}

int twipsY(int value)
{
    return static_cast<int>(std::lround(value * dpi(false) / 1440.0));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twipsY(top), twips(width), twipsY(height));
}

QSize twipsSize(int width, int height)
{
    return QSize(twips(width), twipsY(height));
}

} // namespace shell
