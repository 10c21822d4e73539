// The fifteen label and value runs of a reading's printable sheet, and its web links.
#include "result_sheet.h"

#include <QRegularExpression>
#include <QUrl>

namespace zodiac {

namespace {

// The user's short date format with every year written in full: readings span 1936 to 2019,
// so "3/1/36" could be either century.
QString fullYearShortFormat(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString full;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('y')) {
            while (i < format.size() && format.at(i) == QLatin1Char('y'))
                ++i;
            full += QStringLiteral("yyyy");
            continue;
        }
        full += c;
        ++i;
    }
    return full;
}

} // namespace

QList<SheetRun> sheetRuns(const ZodiacReading &r, const QLocale &locale)
{
    return {
        {QStringLiteral("Name: "), r.name},
        {QStringLiteral("Date of Birth: "), locale.toString(r.birthDate, fullYearShortFormat(locale))},
        {QStringLiteral("Sign: "), r.sign},
        {QStringLiteral("Element: ") + r.element + QStringLiteral(": "), r.elementText},
        {QStringLiteral("Ruling Planet: "), r.rulingPlanet},
        {QStringLiteral("Positive Traits: "), r.positiveTraits},
        {QStringLiteral("Negative Traits: "), r.negativeTraits},
        {QStringLiteral("Most Compatible Sign: "), r.mostCompatible},
        {QStringLiteral("Least Compatible Sign: "), r.leastCompatible},
        {QStringLiteral("Lucky Color: "), r.luckyColour},
        {QStringLiteral("GemStone: "), r.gemstone},
        {QStringLiteral("Energy: "), r.energy},
        {QStringLiteral("Favourable Season: "), r.favourableSeason},
        {QStringLiteral("Favourable Month: "), r.favourableMonth},
        {QStringLiteral("Famous Persons of this Star Sign are: "), r.famousPersons},
    };
}

QList<WebLink> findWebLinks(const QString &text)
{
    // Anchored at a word start so that "xhttp://" or "awww." are not taken for addresses.
    static const QRegularExpression pattern(QStringLiteral(R"((?<![\w.])(?:https?://|www\.)[^\s<>"]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QList<WebLink> links;
    auto matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        QString found = match.captured(0);
        // Trailing punctuation belongs to the sentence, not to the address.
        while (!found.isEmpty() && QStringLiteral(".,;:!?)]}'").contains(found.back()))
            found.chop(1);
        const bool bare = found.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
        const QString address = bare ? QStringLiteral("http://") + found : found;
        const QUrl url(address, QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty() || url.host() == QLatin1String("www"))
            continue;
        links.append({match.capturedStart(0), found.size(), address});
    }
    return links;
}

} // namespace zodiac
