// A whole reading of one cast, as rich text to show and print and as plain text to copy.
#pragma once

#include "casting.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace iching {

struct Reading
{
    QString name;
    QString question;
    QDateTime castAt;
    Marks marks{};
};

// Every changing line turned into its opposite, the others as they are.
Marks changedMarks(const Marks &marks);
// The record of the cast figure; nullptr until all six lines are cast.
const HexagramRecord *castHexagram(const Marks &marks);
// The record the cast changes into; nullptr until all six lines are cast, and when no line changes.
const HexagramRecord *changedHexagram(const Marks &marks);
// "1 Ch'ien The Creative" and the like, prefixed by the hexagram's symbol.
QString captionWithSymbol(const HexagramRecord &record);

// The name and question are the user's own and are escaped.
QString readingHtml(const Reading &reading, const QLocale &locale = QLocale());
QString readingText(const Reading &reading, const QLocale &locale = QLocale());

} // namespace iching
