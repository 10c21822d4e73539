// Design units: 1440 twips an inch, through the screen's logical DPI.
#pragma once

#include <QRect>
#include <QSize>

namespace shell {

int twips(int value); // twips -> device-independent pixels, horizontally
int twipsY(int value);
QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

} // namespace shell
