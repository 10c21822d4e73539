// Result files: the five entries of a reading, each line scrambled, CR LF after each.
#include "result_file.h"

#include "shell/text_scrambling.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <optional>

namespace zodiac {

namespace {

// What of the name a line of the file can hold.
QString survivingName(const QString &name)
{
    return shell::DecodeText(shell::EncodeText(name));
}

// The whole name for a sixth line: percent-encoded UTF-8 is plain ASCII, which the scrambling keeps.
QString wholeNameLine(const QString &name)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(name));
}

// The name the sixth line holds, if it is well formed and is the name line 1 was cut from.
std::optional<QString> wholeNameFrom(const QString &line, const QString &firstLine)
{
    const QByteArray ascii = line.toLatin1();
    const bool wellFormed = std::all_of(ascii.begin(), ascii.end(), [](char c) {
        return QByteArrayView("%-._~").contains(c) || std::isalnum(static_cast<unsigned char>(c));
    });
    if (line.isEmpty() || !wellFormed)
        return std::nullopt;
    // A name may begin with a byte order mark; it is part of the name, not a marker to strip.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString name = utf8(QByteArray::fromPercentEncoding(ascii));
    if (utf8.hasError() || survivingName(name) != firstLine)
        return std::nullopt;
    return name;
}

} // namespace

QByteArray encodeResultFile(const ZodiacReading &reading)
{
    QStringList fields{reading.name, reading.sex, reading.dayText, reading.monthText, reading.yearText};
    // Readers that know five lines stop before the sixth, so files they could read stay as they were.
    if (survivingName(reading.name) != reading.name)
        fields << wholeNameLine(reading.name);
    QByteArray bytes;
    for (const QString &field : fields) {
        // Every scrambled character is Latin-1 by construction.
        bytes += shell::EncodeText(field).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

ResultLines decodeResultFile(const QByteArray &bytes)
{
    // The five lines, then the whole name where line 1 had to leave some of it out.
    std::array<QString, 6> lines;
    std::size_t line = 0;
    QByteArray current;
    const qsizetype size = std::min<qsizetype>(bytes.size(), ResultFileReadLimit);
    for (qsizetype i = 0; i < size && line < lines.size(); ++i) {
        const char c = bytes.at(i);
        // A line ends at CR, or CR LF; a lone LF is part of the line, as the files were always read.
        if (c == '\r') {
            lines[line++] = shell::DecodeText(QString::fromLatin1(current));
            current.clear();
            if (i + 1 < size && bytes.at(i + 1) == '\n')
                ++i;
            continue;
        }
        current += c;
    }
    // The last line may lack its line end.
    if (line < lines.size() && !current.isEmpty())
        lines[line] = shell::DecodeText(QString::fromLatin1(current));
    ResultLines entries;
    std::copy_n(lines.begin(), entries.size(), entries.begin());
    if (const auto name = wholeNameFrom(lines[5], lines[0]))
        entries[0] = *name;
    return entries;
}

bool saveResultFile(const QString &path, const ZodiacReading &reading, QString *error)
{
    const QByteArray bytes = encodeResultFile(reading);
    QSaveFile file(path);
    // Unbuffered, so a disk that fills up shows as a short write here: a buffered save file
    // would let the short write pass and commit half a file over the old one.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; written && done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        written = n > 0;
        done += written ? n : 0;
    }
    if (!written || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

ResultLines readResultFile(const QString &path)
{
    return decodeResultFile(shell::readRegularFile(path, ResultFileReadLimit).value_or(QByteArray()));
}

bool hasResultFileExtension(const QString &fileName)
{
    return fileName.endsWith(QLatin1String("str"), Qt::CaseSensitive);
}

} // namespace zodiac
