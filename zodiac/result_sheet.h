// The fifteen label and value runs of a reading's printable sheet, and the web
// addresses a value may hold.
#pragma once

#include "zodiac_result.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace zodiac {

struct SheetRun
{
    QString label; // shown emphasised, dark red
    QString value; // shown regular, black, then three line breaks
};

// `locale` gives the short date format of the birth date, always with a four-digit year.
QList<SheetRun> sheetRuns(const ZodiacReading &reading, const QLocale &locale = QLocale());

struct WebLink
{
    qsizetype start;
    qsizetype length;
    QString address; // what the link opens: "www." addresses get "http://"
};

// Web addresses in text: http://, https:// and www. ones only; nothing else becomes a link.
QList<WebLink> findWebLinks(const QString &text);

} // namespace zodiac
