// A printed sheet read back from its PDF: its pages, and how much of a page is in the labels' dark red.
#pragma once

#include "support/print_queue.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace zodiactest {

using testsupport::runTool;

// Counted by poppler, which reads any PDF, however a print queue rewrote it; -1 without poppler.
inline int pdfPages(const QString &pdf)
{
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("^Pages:\\s*(\\d+)"),
                                                             QRegularExpression::MultilineOption)
                                              .match(runTool(QStringLiteral("pdfinfo"), {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// Pixels of a page rendered by poppler in the labels' dark red (128, 0, 0); -1 without poppler.
inline int darkRedPixels(const QString &pdf, int page = 1)
{
    QTemporaryDir pages;
    const QString number = QString::number(page);
    runTool(QStringLiteral("pdftoppm"),
            {"-r", "60", "-f", number, "-l", number, "-png", pdf, pages.filePath(QStringLiteral("page"))});
    const QStringList rendered = QDir(pages.path()).entryList({QStringLiteral("*.png")});
    if (rendered.isEmpty())
        return -1;
    const QImage image(pages.filePath(rendered.front()));
    int darkRed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - 128) < 40 && c.green() < 40 && c.blue() < 40)
                ++darkRed;
        }
    }
    return darkRed;
}

} // namespace zodiactest
