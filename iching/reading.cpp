// A whole reading of one cast, as rich text to show and print and as plain text to copy.
#include "reading.h"

#include "hexagram_lines.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace iching {

namespace {

// One shape of the reading, rendered twice, so the copy holds exactly what the window shows.
struct Block
{
    enum class Kind { Title, Field, Heading, Subheading, Paragraph };
    Kind kind;
    QString text;
    QString value; // a field's value
};

using Blocks = std::vector<Block>;

QString linesOf(const char *const *first, std::size_t count)
{
    QStringList lines;
    for (std::size_t i = 0; i < count && first[i]; ++i)
        lines << QString::fromUtf8(first[i]);
    return lines.join(QLatin1Char('\n'));
}

QString hexagramHeading(const HexagramRecord &record)
{
    const HexagramLines &names = hexagramLines(record.number);
    return captionWithSymbol(record) + QStringLiteral(" \u2014 ") + QString::fromUtf8(names.chinese) + QLatin1Char(' ')
           + QString::fromUtf8(names.pinyin);
}

void addHexagram(Blocks &blocks, const QString &intro, const HexagramRecord &record)
{
    using K = Block::Kind;
    blocks.push_back({K::Heading, intro + hexagramHeading(record), {}});
    blocks.push_back({K::Subheading, QStringLiteral("The Judgement"), {}});
    blocks.push_back({K::Paragraph, linesOf(record.judgement.data(), record.judgement.size()), {}});
    blocks.push_back({K::Subheading, QStringLiteral("The Image"), {}});
    blocks.push_back({K::Paragraph, linesOf(record.image.data(), record.image.size()), {}});
}

Blocks readingBlocks(const Reading &reading, const QLocale &locale)
{
    using K = Block::Kind;
    Blocks blocks;
    blocks.push_back({K::Title, QStringLiteral("Your I Ching Reading"), {}});
    blocks.push_back({K::Field, QStringLiteral("Name: "), reading.name});
    blocks.push_back({K::Field, QStringLiteral("Question: "), reading.question});
    if (reading.castAt.isValid()) {
        const QString when = locale.toString(reading.castAt.date(), QLocale::LongFormat) + QStringLiteral(", ")
                             + locale.toString(reading.castAt.time(), QLocale::ShortFormat);
        blocks.push_back({K::Field, QStringLiteral("Cast: "), when});
    }
    const HexagramRecord *cast = castHexagram(reading.marks);
    if (!cast)
        return blocks;
    addHexagram(blocks, QStringLiteral("The hexagram cast: "), *cast);

    const HexagramRecord *changed = changedHexagram(reading.marks);
    if (!changed) {
        blocks.push_back({K::Heading, QStringLiteral("No changing lines"), {}});
        blocks.push_back({K::Paragraph,
                          QStringLiteral("No line of this cast is moving. The situation stands as the hexagram "
                                         "describes it, and its judgement and image are the whole answer."),
                          {}});
        return blocks;
    }
    blocks.push_back({K::Heading, QStringLiteral("The changing lines"), {}});
    const HexagramLines &lines = hexagramLines(cast->number);
    for (int line = 1; line <= LineCount; ++line) {
        const qint16 value = reading.marks[line - 1];
        if (!isChanging(value))
            continue;
        blocks.push_back({K::Subheading, lineHeading(line, value == 9), {}});
        blocks.push_back({K::Paragraph, QString::fromUtf8(lines.lines[line - 1]), {}});
    }
    // Only 1 and 2 have a word for the cast in which every line moves.
    const bool allChange = std::all_of(reading.marks.begin(), reading.marks.end(), isChanging);
    if (const char *extra = allChange ? allLinesChangeText(cast->number) : nullptr) {
        blocks.push_back({K::Subheading, allLinesChangeHeading(cast->number), {}});
        blocks.push_back({K::Paragraph, QString::fromUtf8(extra), {}});
    }
    addHexagram(blocks, QStringLiteral("It changes into: "), *changed);
    return blocks;
}

QString html(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

} // namespace

Marks changedMarks(const Marks &marks)
{
    Marks changed = marks;
    for (qint16 &value : changed) {
        if (value == 6)
            value = 7;
        else if (value == 9)
            value = 8;
    }
    return changed;
}

const HexagramRecord *castHexagram(const Marks &marks)
{
    return lookupHexagram(hexagramKey(marks));
}

const HexagramRecord *changedHexagram(const Marks &marks)
{
    if (!castHexagram(marks) || std::none_of(marks.begin(), marks.end(), isChanging))
        return nullptr;
    return lookupHexagram(hexagramKey(changedMarks(marks)));
}

QString captionWithSymbol(const HexagramRecord &record)
{
    return QString(hexagramSymbol(record.number)) + QLatin1Char(' ') + QString::fromUtf8(record.caption);
}

QString readingHtml(const Reading &reading, const QLocale &locale)
{
    QString out = QStringLiteral("<html><body>");
    for (const Block &block : readingBlocks(reading, locale)) {
        switch (block.kind) {
        case Block::Kind::Title:
            out += QStringLiteral("<h2>%1</h2>").arg(html(block.text));
            break;
        case Block::Kind::Field:
            out += QStringLiteral("<p><b>%1</b>%2</p>").arg(html(block.text), html(block.value));
            break;
        case Block::Kind::Heading:
            out += QStringLiteral("<h3>%1</h3>").arg(html(block.text));
            break;
        case Block::Kind::Subheading:
            out += QStringLiteral("<p style=\"margin-bottom:0\"><b><i>%1</i></b></p>").arg(html(block.text));
            break;
        case Block::Kind::Paragraph:
            out += QStringLiteral("<p style=\"margin-top:2px\">%1</p>").arg(html(block.text));
            break;
        }
    }
    return out + QStringLiteral("</body></html>");
}

QString readingText(const Reading &reading, const QLocale &locale)
{
    QStringList out;
    for (const Block &block : readingBlocks(reading, locale)) {
        switch (block.kind) {
        case Block::Kind::Title:
        case Block::Kind::Heading:
        case Block::Kind::Subheading:
            out << QString() << block.text;
            break;
        case Block::Kind::Field:
            out << block.text + block.value;
            break;
        case Block::Kind::Paragraph:
            out << block.text;
            break;
        }
    }
    out.removeFirst(); // the title opens the text
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace iching
