// Fuzzes the name as the result window shows it: whatever a result file's name line holds is shown as
// plain text on one line within its room, and the tooltip that carries it whole loads nothing it names.
#include "shell/elided_label.h"
#include "zodiac/result_file.h"

#include <QApplication>
#include <QImage>
#include <QTextDocument>
#include <QUrl>

#include <cstdint>
#include <cstdlib>

namespace {

// Markup that got through would name a picture or a style sheet; asking for any is the fault.
class NoResources final : public QTextDocument
{
protected:
    QVariant loadResource(int, const QUrl &) override { std::abort(); }
};

QApplication &application()
{
    static int argc = 1;
    static char name[] = "fuzz_name_shown";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    application();
    static shell::ElidedLabel line;
    line.resize(240, 24);

    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    zodiac::ZodiacReading reading;
    const zodiac::ResultLines lines = zodiac::decodeResultFile(bytes);
    reading.name = lines[0];
    reading.sex = lines[1];
    const QString greeting = zodiac::salutedName(reading);

    line.setText(greeting);
    if (line.text() != greeting || line.textFormat() != Qt::PlainText)
        std::abort();
    const QString shown = line.shownText();
    if (shown.contains(QChar(10)) || line.fontMetrics().horizontalAdvance(shown) > line.contentsRect().width())
        std::abort();
    QImage canvas(line.size(), QImage::Format_ARGB32_Premultiplied);
    line.render(&canvas);

    NoResources tip;
    tip.setHtml(shell::plainTextAsRichText(greeting));
    // Every character of the greeting is text in the tooltip, none an embedded object.
    if (tip.toPlainText().count(QChar::ObjectReplacementCharacter) != greeting.count(QChar::ObjectReplacementCharacter))
        std::abort();
    if (!line.toolTip().isEmpty() && line.toolTip() != shell::plainTextAsRichText(greeting))
        std::abort();
    return 0;
}
