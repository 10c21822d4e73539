// Result files: the five entries of a reading, each line scrambled, CR LF after each.
#include "result_file.h"

#include "shell/text_scrambling.h"

#include <QFile>
#include <QSaveFile>

namespace zodiac {

QByteArray encodeResultFile(const ZodiacReading &reading)
{
    QByteArray bytes;
    for (const QString &field : {reading.name, reading.sex, reading.dayText, reading.monthText, reading.yearText}) {
        // Every scrambled character is Latin-1 by construction.
        bytes += shell::EncodeText(field).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

ResultLines decodeResultFile(const QByteArray &bytes)
{
    ResultLines lines;
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
    return lines;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeResultFile(file.read(ResultFileReadLimit));
}

bool hasResultFileExtension(const QString &fileName)
{
    return fileName.endsWith(QLatin1String("str"), Qt::CaseSensitive);
}

} // namespace zodiac
