// The result sheet: its fifteen runs and their styles, Save and Open round trips, refused
// files, failed saves, safe links, and printing without a printer.
#include "entry_form.h"
#include "printed_sheet.h"
#include "shell/frmMDI.h"
#include "shell/text_scrambling.h"
#include "support/gui_test.h"
#include "zodiac/frmChineseZodiacDisplay.h"
#include "zodiac/frmChineseZodiacMain.h"
#include "zodiac/frmChineseZodiacSave.h"
#include "zodiac/result_file.h"
#include "zodiac/zodiac_result.h"
#include "zodiac/zodiac_windows.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace shell;
using namespace zodiactest;
using testsupport::control;
using testsupport::press;
using testsupport::verifyShows;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray scrambledLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += EncodeText(line).toLatin1() + "\r\n";
    return bytes;
}

} // namespace

class TestZodiacSheet : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestZodiacSheet()
        : GuiTest(zodiac::registerWindows, QSize(1280, 900))
    {
    }

protected:
    void beforeLauncher() override
    {
        m_dir = std::make_unique<QTemporaryDir>();
        zodiac::ZodiacResult = zodiac::ZodiacReading();
        frmChineseZodiacSave::defaultPrinter = [] { return QPrinterInfo(); };
    }
    void afterLauncherClosed() override
    {
        frmChineseZodiacSave::defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    frmChineseZodiacMain *entry() { return tool<frmChineseZodiacMain>(); }
    frmChineseZodiacDisplay *result() { return tool<frmChineseZodiacDisplay>(); }
    frmChineseZodiacSave *sheet() { return tool<frmChineseZodiacSave>(); }
    QTextBrowser *sheetText() { return control<QTextBrowser>(sheet(), "RTB"); }

    // The sheet of a reading for 12 March (of 1975 unless told), made through the entry form.
    void openSheet(const QString &name = QStringLiteral("Ann"), int sex = Female, int year = 1975)
    {
        m_mdi->cmdSelectOption_Click(0);
        fillEntry(entry(), name, sex, 12, 3, year);
        press(entry(), QStringLiteral("cmdProceed"));
        QVERIFY(result() && result()->isVisible());
        press(result(), QStringLiteral("cmdPrint"));
        QVERIFY(sheet() && sheet()->isVisible());
    }

    // Opens the file through the entry form's Open button; an empty path cancels the dialog.
    void openFile(const QString &file)
    {
        m_mdi->cmdSelectOption_Click(0);
        m_fakes->fileDialogs.answers = {file};
        press(entry(), QStringLiteral("cmdOpen"));
    }

    QStringList sheetLinks()
    {
        QStringList anchors;
        for (QTextBlock block = sheetText()->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().isAnchor())
                    anchors << it.fragment().charFormat().anchorHref();
            }
        }
        return anchors;
    }

    QString path(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void sheetHoldsFifteenStyledRunsEachFollowedByTwoEmptyLines()
    {
        // A run in the wrong style or without its spacing prints a sheet that reads as one blur.
        openSheet();
        QTextDocument *doc = sheetText()->document();
        const QStringList lines = doc->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 15 * 3 + 1);
        QCOMPARE(lines[0], QStringLiteral("Name: Ann"));
        QCOMPARE(lines[6], QStringLiteral("Sign: Rabbit"));
        QVERIFY(lines[9].startsWith(QStringLiteral("Element: Wood: ") + zodiac::ZodiacResult.elementText.left(20)));
        QVERIFY(lines[42].startsWith(QStringLiteral("Famous Persons of this Star Sign are: ")));
        QCOMPARE(doc->blockCount(), lines.size());
        for (int run = 0; run < 15; ++run) {
            QVERIFY(lines[run * 3 + 1].isEmpty());
            QVERIFY(lines[run * 3 + 2].isEmpty());
            auto fragment = doc->findBlockByNumber(run * 3).begin();
            const QTextCharFormat label = fragment.fragment().charFormat();
            QVERIFY(label.font().bold());
            QCOMPARE(label.foreground().color(), QColor(128, 0, 0));
            QCOMPARE(label.font().family(), QStringLiteral("Verdana"));
            QCOMPARE(label.font().pointSizeF(), 9.75);
            ++fragment;
            QVERIFY(!fragment.atEnd());
            const QTextCharFormat value = fragment.fragment().charFormat();
            QVERIFY(!value.font().bold());
            QCOMPARE(value.foreground().color(), QColor(Qt::black));
        }
        QVERIFY(lines.back().isEmpty());
        // Run 4: the element's name and ": " are part of the label.
        QTextBlock element = doc->findBlockByNumber(9);
        QCOMPARE(element.begin().fragment().text(), QStringLiteral("Element: Wood: "));
    }

    void sheetIsBuiltOncePerOpeningAndPrintingWithoutAPrinterLeavesIt()
    {
        // No printer: nothing to say, and the sheet stays as it was. A second Print while the sheet is open keeps
        // it; a new opening shows the reading then held.
        openSheet();
        const QString before = sheetText()->toHtml();
        press(sheet(), QStringLiteral("cmdPrint"));
        QVERIFY(m_fakes->messages.shown.empty());
        QCOMPARE(sheetText()->toHtml(), before);
        QVERIFY(sheet()->isVisible());

        const QString first = sheetText()->toPlainText();
        zodiac::ZodiacResult.name = QStringLiteral("Changed");
        press(result(), QStringLiteral("cmdPrint"));
        QCOMPARE(sheetText()->toPlainText(), first);
        sheet()->close();
        QVERIFY(!sheet());
        QVERIFY(result()->isVisible());
        press(result(), QStringLiteral("cmdPrint"));
        QVERIFY(sheetText()->toPlainText().startsWith(QStringLiteral("Name: Changed")));
    }

    void everySheetPrintsWithoutABlankPageInColour_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("sign");
        // 12 March falls after the Chinese New Year in every year, so the year gives the sign.
        const QStringList signs{"Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
                                "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig"};
        for (int s = 0; s < 12; ++s)
            QTest::newRow(qPrintable(signs[s])) << 1936 + s << signs[s];
    }

    void everySheetPrintsWithoutABlankPageInColour()
    {
        // Each sign with each of its five elements, on an A4 printer that would print grey unless asked for
        // colour: the last page carries the end of the sheet, never only the last value's line breaks and a
        // page number, and the labels are dark red.
        QFETCH(int, year);
        QFETCH(QString, sign);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("the printed pages are read back with poppler's pdftotext, which is not installed");
        for (int cycle = 0; cycle < 5; ++cycle) {
            openSheet(QStringLiteral("Ann"), Female, year + 12 * cycle);
            QCOMPARE(zodiac::ZodiacResult.sign, sign);
            const QString pdf = path(QStringLiteral("sheet-%1.pdf").arg(year + 12 * cycle));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setColorMode(QPrinter::GrayScale);
            frmChineseZodiacSave::printSheet(*sheetText()->document(), printer);
            const int pages = pdfPages(pdf);
            const QString last = runTool(QStringLiteral("pdftotext"),
                                         {"-f", QString::number(pages), "-l", QString::number(pages), pdf, "-"});
            QVERIFY2(!last.simplified().remove(QRegularExpression(QStringLiteral("^\\d+$"))).isEmpty(),
                     qPrintable(
                         QStringLiteral("%1 %2: page %3 is blank").arg(zodiac::ZodiacResult.element, sign).arg(pages)));
            if (cycle == 0)
                QVERIFY2(darkRedPixels(pdf) > 50, "the labels print grey");
        }
    }

    void saveWritesTheFiveEntriesThroughTheDialogOrSaysWhyNot()
    {
        // A cancel writes and says nothing; a save that silently fails loses the reading the user thinks is kept.
        openSheet(QStringLiteral("  Ann  "));
        press(sheet(), QStringLiteral("cmdSave"));
        QCOMPARE(m_fakes->fileDialogs.asked.size(), size_t(1));
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
        QVERIFY(m_fakes->messages.shown.empty());

        m_fakes->fileDialogs.answers = {path(QStringLiteral("ann.str"))};
        press(sheet(), QStringLiteral("cmdSave"));
        QCOMPARE(m_fakes->fileDialogs.asked.size(), size_t(2));
        const FileDialogRequest &asked = m_fakes->fileDialogs.asked.back();
        QCOMPARE(asked.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(asked.filter, QStringLiteral("Rich Text Format (*.str)"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("str"));
        QCOMPARE(asked.title, QStringLiteral("Save Your Chinese Zodiac Result ...."));
        QVERIFY(asked.confirmOverwrite && asked.hideReadOnly && asked.folderMustExist && asked.noReadOnlyReturn);
        QCOMPARE(readAll(path(QStringLiteral("ann.str"))), scrambledLines({"Ann", "Female", "12", "March", "1975"}));
        QVERIFY(m_fakes->messages.shown.empty());

        const QString target = path(QStringLiteral("no-such-folder/ann.str"));
        m_fakes->fileDialogs.answers = {target};
        press(sheet(), QStringLiteral("cmdSave"));
        QCOMPARE(m_fakes->messages.shown.size(), size_t(1));
        QCOMPARE(m_fakes->messages.shown.front().icon, MessageIcon::Critical);
        QVERIFY(m_fakes->messages.shown.front().text.contains(target));
        QVERIFY(!QFile::exists(target));
    }

    void savedReadingOpensAgain_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("female") << QStringLiteral("Ann") << Female << QStringLiteral("Ms. Ann");
        QTest::newRow("male") << QStringLiteral("Ann") << Male << QStringLiteral("Mr. Ann");
        QTest::newRow("accented name") << QStringLiteral("Zo\u00eb M\u00fcller") << Female
                                       << QStringLiteral("Ms. Zo\u00eb M\u00fcller");
        QTest::newRow("Chinese name") << QStringLiteral("\u674e\u5a1c") << Female << QStringLiteral("Ms. \u674e\u5a1c");
    }

    void savedReadingOpensAgain()
    {
        // Save, leave the tool, open the file: the same reading must come back, name and all.
        QFETCH(QString, name);
        QFETCH(int, sex);
        QFETCH(QString, greeting);
        openSheet(name, sex);
        m_fakes->fileDialogs.answers = {path(QStringLiteral("ann.str"))};
        press(sheet(), QStringLiteral("cmdSave"));
        press(result(), QStringLiteral("cmdExit"));
        zodiac::ZodiacResult = zodiac::ZodiacReading();

        openFile(path(QStringLiteral("ann.str")));
        const FileDialogRequest &asked = m_fakes->fileDialogs.asked.back();
        QCOMPARE(asked.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(asked.filter, QStringLiteral("Qelvo Chinese Astrology (*.str)"));
        QCOMPARE(asked.title, QStringLiteral("Select the source file"));
        QVERIFY(asked.fileMustExist && asked.hideReadOnly && asked.noReadOnlyReturn);

        QVERIFY(result() && result()->isVisible());
        QVERIFY(!entry()->isVisible());
        verifyShows(result(), {{"lblName", greeting}, {"lblChineseSign", "Rabbit"}, {"lblChineseElement", "Wood"}});
        verifyEntry(entry(), name, sex, 12, 3, 1975);
    }

    void openingThatGivesNoReadingLeavesTheForm_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageIcon>("icon");
        const QString refused = QStringLiteral("Please Check The File.");
        // A file that is not a result file must be refused before a byte of it is read.
        QTest::newRow("upper-case .STR file") << QStringLiteral("upper case") << refused << MessageIcon::Critical;
        // A pipe named like a result file would freeze the window waiting for a writer; a folder, device or socket
        // holds no reading.
        for (const char *kind : {"pipe", "folder", "device", "socket"})
            QTest::newRow(kind) << QString::fromLatin1(kind) << refused << MessageIcon::Critical;
        QTest::newRow("file without a name stops at the name check")
            << QStringLiteral("empty") << QStringLiteral("Please Enter Your Name") << MessageIcon::Information;
        QTest::newRow("cancelled, nothing said") << QStringLiteral("cancel") << QString() << MessageIcon::Information;
    }

    void openingThatGivesNoReadingLeavesTheForm()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QFETCH(MessageIcon, icon);
        const QString target = path(kind == QLatin1String("upper case") ? "x.STR" : "x.str");
        const QByteArray native = QFile::encodeName(target);
        std::atomic<bool> done{false};
        std::thread writer;
        if (kind == QLatin1String("upper case"))
            writeAll(target, scrambledLines({"Ann", "Female", "12", "March", "1975"}));
        else if (kind == QLatin1String("empty"))
            writeAll(target, QByteArray());
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(target));
#ifndef Q_OS_UNIX
        else if (kind != QLatin1String("cancel"))
            QSKIP("Pipes, device links and sockets made this way are Unix's.");
#else
        int socket = -1;
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
            // Should the open wait on the pipe after all, this writer lets it go: the test fails, not hangs.
            writer = std::thread([&done, native] {
                while (!done) {
                    const int fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) {
                        ::close(fd);
                        return;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
            });
        } else if (kind == QLatin1String("device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), target));
        } else if (kind == QLatin1String("socket")) {
            socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, native.constData(), sizeof(address.sun_path) - 1);
            QCOMPARE(::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        }
#endif
        openFile(kind == QLatin1String("cancel") ? QString() : target);
        done = true;
        if (writer.joinable())
            writer.join();
#ifdef Q_OS_UNIX
        if (socket >= 0)
            ::close(socket);
#endif
        QCOMPARE(m_fakes->messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(m_fakes->messages.shown.front().icon, icon);
        QVERIFY(entry()->isVisible());
        QVERIFY(control<QLineEdit>(entry(), "txtName")->text().isEmpty());
        QVERIFY(!result());
    }

    void shortFileFillsWhatItHas()
    {
        // Missing lines are empty: an empty sex is Female, an unknown date keeps the lists as they were.
        writeAll(path(QStringLiteral("short.str")), scrambledLines({"Bo", "", "32"}));
        m_mdi->cmdSelectOption_Click(0);
        control<QComboBox>(entry(), "cboMonth")->setCurrentText(QStringLiteral("June"));
        m_fakes->fileDialogs.answers = {path(QStringLiteral("short.str"))};
        press(entry(), QStringLiteral("cmdOpen"));
        verifyEntry(entry(), QStringLiteral("Bo"), Female, 1, 6, 1936);
        verifyShows(result(), {{"lblName", "Ms. Bo"}});
    }

    void onlyWebAddressesInTheSheetAreLinks()
    {
        // A name from a file is outside input: "file:" must never reach the shell.
        openSheet(QStringLiteral("Ann www.example.com"));
        QCOMPARE(sheetLinks(), QStringList{QStringLiteral("http://www.example.com")});
        emit sheetText()->anchorClicked(QUrl(QStringLiteral("http://www.example.com")));
        emit sheetText()->anchorClicked(QUrl(QStringLiteral("file:///usr/bin/xterm")));
        QCOMPARE(m_fakes->webPages.opened.size(), size_t(1));
        QCOMPARE(m_fakes->webPages.opened.front(), QUrl(QStringLiteral("http://www.example.com")));

        sheet()->close();
        zodiac::ZodiacResult.name = QStringLiteral("file:///usr/bin/xterm");
        press(result(), QStringLiteral("cmdPrint"));
        QCOMPARE(sheetLinks(), QStringList());
    }
};

QTEST_MAIN(TestZodiacSheet)
#include "tst_zodiac_sheet.moc"
