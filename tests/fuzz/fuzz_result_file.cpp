// Fuzzes the reading of result files and the unscrambling of text: any bytes at all must
// give five lines without a crash or a hang, and those lines must save and read back unchanged.
#include "shell/text_scrambling.h"
#include "zodiac/result_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const zodiac::ResultLines lines = zodiac::decodeResultFile(bytes);
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size();
    if (total > bytes.size())
        std::abort();
    // Whatever was read, saving it again and reading that back gives the same five lines.
    zodiac::ZodiacReading reading;
    reading.name = lines[0];
    reading.sex = lines[1];
    reading.dayText = lines[2];
    reading.monthText = lines[3];
    reading.yearText = lines[4];
    if (zodiac::decodeResultFile(zodiac::encodeResultFile(reading)) != lines)
        std::abort();

    const QString text = QString::fromLatin1(bytes);
    const QString decoded = shell::DecodeText(text);
    if (decoded.size() > text.size())
        std::abort();
    // What survives unscrambling scrambles back to exactly the characters it came from.
    QString kept = text;
    kept.removeIf([](QChar c) { return c.unicode() < shell::ScrambleOffset; });
    if (shell::EncodeText(decoded) != kept)
        std::abort();
    return 0;
}
