// From a random draw to a fortune: pure lookups over the fortune table.
#pragma once

#include <QString>
#include <QtGlobal>

namespace fortune {

// The whole-number part of r x 156, for 0 <= r < 1.
qint16 fortuneNumberFor(double r);

// The text of the row with that number; empty when there is none.
QString fortuneText(int number);

// The fortune of that row as a note to paste elsewhere; empty when there is none.
QString fortuneReadingText(int number);

} // namespace fortune
