// Printing the full reading for real, on the default printer, and reading the page back.
// Needs a print server whose default queue writes a PDF to $TAVRENNE_PRINT_OUTPUT
// (scripts/print-server.sh); without one the test skips, except in CI, where it fails.
#include "iching/FrmIChingReading.h"
#include "iching/FrmIChingSoftwareMain.h"
#include "iching/coin_pictures.h"
#include "iching/frmIChingSoftwareStart.h"
#include "iching/hexagram_lines.h"
#include "iching/iching_windows.h"
#include "shell/frmMDI.h"
#include "shell/text_box.h"
#include "support/gui_test.h"
#include "support/print_queue.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using testsupport::press;

class TestReadingPrinting : public QObject
{
    Q_OBJECT

private slots:
    void printsTheWholeReadingOnTheDefaultPrinter()
    {
        // A reading cut at the first page, or printed without its symbols and Chinese names, is not the one on
        // screen.
        REQUIRE_PRINT_QUEUE(output);

        testsupport::FakePlatform fakes;
        iching::setPicturesFolder(QString());
        frmMDI mdi;
        iching::registerWindows(mdi);
        mdi.resize(1280, 900);
        mdi.show();
        mdi.cmdSelectOption_Click(2);
        auto *question = mdi.windows().find<frmIChingSoftwareStart>();
        QVERIFY(question);
        testsupport::control<QLineEdit>(question, QStringLiteral("txtName"))->setText(QStringLiteral("Ann"));
        testsupport::control<shell::TextBox>(question, QStringLiteral("txtQuestion"))
            ->setText(QStringLiteral("Shall I travel?"));
        press(question, QStringLiteral("cmdProceed"));
        auto *casting = mdi.windows().find<FrmIChingSoftwareMain>();
        QVERIFY(casting);
        // Six old yang: every line of 1 moves, the longest reading there is.
        fakes.random.values = std::deque<double>(18, 0.9);
        for (int toss = 0; toss < 6; ++toss)
            press(casting, QStringLiteral("cmdToss"));
        press(casting, QStringLiteral("cmdFullReading"));
        auto *reading = mdi.windows().find<FrmIChingReading>();
        QVERIFY(reading);
        press(reading, QStringLiteral("cmdPrint"));
        QVERIFY(fakes.messages.shown.empty());

        QVERIFY2(testsupport::waitForPrintout(output), "nothing was printed");

        const QString text = testsupport::runTool(QStringLiteral("pdftotext"), {output, QStringLiteral("-")})
                                 .simplified();
        qsizetype at = 0;
        for (const QString &part :
             {QStringLiteral("Name: Ann"), QStringLiteral("Question: Shall I travel?"),
              QStringLiteral("\u4DC0 1 Ch'ien The Creative"), QString::fromUtf8(iching::hexagramLines(1).chinese),
              QStringLiteral("Nine at the beginning"), QStringLiteral("Nine at the top"), QStringLiteral("All nines"),
              QStringLiteral("\u4DC1 2 K'un The Receptive")}) {
            const qsizetype found = text.indexOf(part, at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: ") + part));
            at = found + part.size();
        }
        const QString info = testsupport::runTool(QStringLiteral("pdfinfo"), {output});
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        QVERIFY(pages.hasMatch());
        // One reading on the few sheets it needs: not a page per paragraph.
        QVERIFY(pages.captured(1).toInt() >= 1);
        QVERIFY(pages.captured(1).toInt() <= 3);
    }
};

QTEST_MAIN(TestReadingPrinting)
#include "tst_reading_printing.moc"
