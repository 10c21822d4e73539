// Fuzzes the reading of result files and the unscrambling of text: any bytes at all
// must give five lines without a crash, a hang or a line end inside a line.
#include "shell/text_scrambling.h"
#include "zodiac/result_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const zodiac::ResultLines lines = zodiac::decodeResultFile(bytes);
    qsizetype total = 0;
    for (const QString &line : lines) {
        if (line.contains(QChar(13)))
            std::abort();
        total += line.size();
    }
    if (total > bytes.size())
        std::abort();

    const QString text = QString::fromLatin1(bytes);
    const QString decoded = shell::DecodeText(text);
    if (decoded.size() > text.size())
        std::abort();
    // What survives unscrambling scrambles back to exactly the characters it came from.
    QString kept;
    for (const QChar c : text) {
        if (c.unicode() >= shell::ScrambleOffset)
            kept.append(c);
    }
    if (shell::EncodeText(decoded) != kept)
        std::abort();
    return 0;
}
