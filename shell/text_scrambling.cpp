// The character-offset scrambling of the reminder setting and the Zodiac result files.
#include "text_scrambling.h"

namespace shell {

namespace {

QString shifted(const QString &text, int offset)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int code = c.unicode();
        if (code > 255)
            continue;
        const int moved = code + offset;
        if (moved < 0 || moved > 255)
            continue;
        result.append(QChar(moved));
    }
    return result;
}

} // namespace

QString EncodeText(const QString &text)
{
    return shifted(text, ScrambleOffset);
}

QString DecodeText(const QString &text)
{
    return shifted(text, -ScrambleOffset);
}

} // namespace shell
