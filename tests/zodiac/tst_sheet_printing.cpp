// Printing for real: the sheet goes to the default printer, and what comes out is checked.
// Needs a print server whose default queue writes a PDF to $TAVRENNE_PRINT_OUTPUT
// (scripts/print-server.sh); without one the test skips, except in CI, where it fails.
#include "entry_form.h"
#include "printed_sheet.h"
#include "shell/frmMDI.h"
#include "support/gui_test.h"
#include "support/print_queue.h"
#include "zodiac/frmChineseZodiacDisplay.h"
#include "zodiac/frmChineseZodiacMain.h"
#include "zodiac/frmChineseZodiacSave.h"
#include "zodiac/zodiac_result.h"
#include "zodiac/zodiac_windows.h"

#include <QTest>

using testsupport::press;
using zodiactest::runTool;

class TestSheetPrinting : public QObject
{
    Q_OBJECT

private slots:
    void printsTheWholeSheetOnTheDefaultPrinter()
    {
        // The sheet must reach paper as it looks on screen: every label, every value, labels in dark red, on one
        // page, with no page of its last blank lines after it.
        REQUIRE_PRINT_QUEUE(output);

        testsupport::FakePlatform fakes;
        frmMDI mdi;
        zodiac::registerWindows(mdi);
        mdi.resize(1280, 900);
        mdi.show();
        mdi.cmdSelectOption_Click(0);
        auto *entry = mdi.windows().find<frmChineseZodiacMain>();
        zodiactest::fillEntry(entry, QStringLiteral("Ann"), zodiactest::Female, 12, 3, 1975);
        press(entry, QStringLiteral("cmdProceed"));
        press(mdi.windows().find<frmChineseZodiacDisplay>(), QStringLiteral("cmdPrint"));
        auto *sheet = mdi.windows().find<frmChineseZodiacSave>();
        QVERIFY(sheet);
        press(sheet, QStringLiteral("cmdPrint"));
        QVERIFY(fakes.messages.shown.empty());

        QVERIFY2(testsupport::waitForPrintout(output), "nothing was printed");

        const QString text = runTool(QStringLiteral("pdftotext"), {"-layout", output, "-"}).simplified();
        qsizetype at = 0;
        for (const QString label :
             {"Name:", "Date of Birth:", "Sign:", "Element: Wood:", "Ruling Planet:", "Positive Traits:",
              "Negative Traits:", "Most Compatible Sign:", "Least Compatible Sign:", "Lucky Color:", "GemStone:",
              "Energy:", "Favourable Season:", "Favourable Month:", "Famous Persons of this Star Sign are:"}) {
            const qsizetype found = text.indexOf(label, at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("label missing or out of order: ") + label));
            at = found + label.size();
        }
        for (const char *value : {"Ann", "Rabbit", "Jupiter", "Chrysolite", "Goat, Pig", "Rooster", "Mid Spring"})
            QVERIFY2(text.contains(QLatin1String(value)), value);

        QCOMPARE(zodiactest::pdfPages(output), 1);
        const int darkRed = zodiactest::darkRedPixels(output);
        QVERIFY2(darkRed > 50, "the labels are not dark red on paper");
    }
};

QTEST_MAIN(TestSheetPrinting)
#include "tst_sheet_printing.moc"
