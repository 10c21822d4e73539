// Result files and sheet text: the bytes written, reading back, failed saves, huge files, links.
#include "shell/text_scrambling.h"
#include "shell/web_pages.h"
#include "support/process_limits.h"
#include "zodiac/result_file.h"
#include "zodiac/result_sheet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zodiac;
using shell::ScrambleOffset;

namespace {

ZodiacReading entries(const ResultLines &lines)
{
    ZodiacReading reading;
    reading.name = lines[0];
    reading.sex = lines[1];
    reading.dayText = lines[2];
    reading.monthText = lines[3];
    reading.yearText = lines[4];
    return reading;
}

QByteArray raised(const QByteArray &plain)
{
    QByteArray out;
    for (const char c : plain)
        out += char(static_cast<unsigned char>(c) + ScrambleOffset);
    return out;
}

// A file of these lines, each raised by the offset and ended by CR LF.
QByteArray raisedLines(const QByteArrayList &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += raised(line) + "\r\n";
    return out;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestResultFile : public QObject
{
    Q_OBJECT

private slots:
    void savedReadingHasItsBytesAndReadsBack_data()
    {
        QTest::addColumn<ResultLines>("lines");
        QTest::addColumn<QByteArray>("bytes");
        // Older files are read byte by byte: one extra or missing byte shifts every entry.
        QTest::newRow("five scrambled lines each ended by CR LF")
            << ResultLines{"Ann", "Female", "12", "March", "1975"}
            << raisedLines({"Ann", "Female", "12", "March", "1975"});
        QTest::newRow("a name with a space") << ResultLines{"Ann Lee", "Female", "12", "March", "1975"}
                                             << raisedLines({"Ann Lee", "Female", "12", "March", "1975"});
        // A reading saved on one system must open on the other: the same bytes, the same Latin-1 mapping,
        // CR LF line ends whatever the platform's own.
        QTest::newRow("a file the Linux build saved")
            << ResultLines{QStringLiteral("Åsa Renée"), "Female", "29", "February", "1984"}
            << readAll(QStringLiteral(":/tests/data/saved-by-linux.str"));
    }

    void savedReadingHasItsBytesAndReadsBack()
    {
        QFETCH(ResultLines, lines);
        QFETCH(QByteArray, bytes);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(encodeResultFile(entries(lines)), bytes);
        QCOMPARE(bytes.count("\r\n"), 5);
        QCOMPARE(decodeResultFile(bytes), lines);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved.str"));
        QVERIFY(saveResultFile(path, entries(lines)));
        QCOMPARE(readAll(path), bytes);
        QCOMPARE(readResultFile(path), lines);
    }

    void nameTheScramblingWouldCutComesBackWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("one letter past the offset")
            << QStringLiteral("Zo") + QChar(256 - ScrambleOffset) + QStringLiteral("e");
        QTest::newRow("accented") << QStringLiteral("Zo\u00eb M\u00fcller");
        QTest::newRow("Chinese") << QStringLiteral("\u674e\u5a1c");
        QTest::newRow("led by a byte order mark") << QChar(0xfeff) + QStringLiteral("Ann");
    }

    void nameTheScramblingWouldCutComesBackWhole()
    {
        // A name that reopens cut short, or empty, gives someone else's reading and nobody says so;
        // yet line 1 must stay what a reader of five lines has always found there.
        QFETCH(QString, name);
        const QByteArray bytes = encodeResultFile(entries({name, "Female", "1", "May", "1980"}));
        const QString cut = shell::DecodeText(shell::EncodeText(name));
        const QByteArray fiveLines = shell::EncodeText(cut).toLatin1() + "\r\n"
                                     + raisedLines({"Female", "1", "May", "1980"});
        QVERIFY(bytes.startsWith(fiveLines));
        QCOMPARE(bytes.count("\r\n"), 6);
        QCOMPARE(decodeResultFile(fiveLines)[0], cut);
        QCOMPARE(decodeResultFile(bytes), (ResultLines{name, "Female", "1", "May", "1980"}));
    }

    void longestNameTheFormTakesReopensWhole_data()
    {
        QTest::addColumn<QString>("name");
        const auto filled = [](const QString &unit) {
            QString name;
            while (name.size() + unit.size() <= NameLengthLimit)
                name += unit;
            return name;
        };
        // The characters that cost a file the most bytes each.
        QTest::newRow("Chinese") << filled(QStringLiteral("\u4e2d"));
        QTest::newRow("accented, on both lines") << filled(QStringLiteral("\u00e9"));
        QTest::newRow("beyond the basic plane") << filled(QStringLiteral("\U0001F409"));
        QTest::newRow("blanks and signs") << filled(QStringLiteral(" %"));
    }

    void longestNameTheFormTakesReopensWhole()
    {
        // A name saved without a word and reopened empty gives a different reading and no reason why.
        QFETCH(QString, name);
        const ZodiacReading saved = entries({name, "Male", "2", "May", "1999"});
        QVERIFY(encodeResultFile(saved).size() <= ResultFileReadLimit);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.str"));
        QVERIFY(saveResultFile(path, saved));
        QCOMPARE(readResultFile(path)[0], name);
    }

    void oddFilesGiveWhatTheirFiveLinesHold_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ResultLines>("lines");
        // clang-format off
        QTest::newRow("empty") << QByteArray() << ResultLines{};
        QTest::newRow("three lines") << raisedLines({"Cy", "Male", "1"}) << ResultLines{"Cy", "Male", "1", "", ""};
        QTest::newRow("no final line end") << raised("Ed") + "\r\n" + raised("Male") << ResultLines{"Ed", "Male", "", "", ""};
        QTest::newRow("bare CR ends a line") << raised("Di") + "\r" + raised("Female") + "\r\n"
                                             << ResultLines{"Di", "Female", "", "", ""};
        QTest::newRow("lone LF stays in the line and unscrambles to nothing")
            << raised("Di") + "\n" + raised("x") + "\r\n" << ResultLines{"Dix", "", "", "", ""};
        QTest::newRow("extra lines ignored") << QByteArray("\r\n\r\n\r\n\r\n\r\n") + raised("extra") + "\r\n"
                                             << ResultLines{};
        // A hand-edited sixth line must not put a name into the form that line 1 never held.
        const ResultLines edited{"Zo Mller", "Male", "2", "June", "1990"};
        QTest::newRow("sixth line with another name")
            << raisedLines({"Zo Mller", "Male", "2", "June", "1990", "Bob"}) << edited;
        QTest::newRow("sixth line with another cut of the name")
            << raisedLines({"Zo Mller", "Male", "2", "June", "1990", "Zo%C3%AB%20M%C3%BCll"}) << edited;
        QTest::newRow("sixth line not UTF-8")
            << raisedLines({"", "Male", "2", "June", "1990", "%FF%FE"}) << ResultLines{"", "Male", "2", "June", "1990"};
        QTest::newRow("sixth line not wholly percent-encoded")
            << raisedLines({"Zo Mller", "Male", "2", "June", "1990", "Zo%C3%AB Mller"}) << edited;
        // clang-format on
    }

    void oddFilesGiveWhatTheirFiveLinesHold()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ResultLines, lines);
        QCOMPARE(decodeResultFile(bytes), lines);
    }

    void hugeFileIsReadOnlyAsFarAsFiveLinesNeedAndAMissingOneNotAtAll()
    {
        QCOMPARE(readResultFile(QStringLiteral("/nonexistent/folder/x.str")), ResultLines{});
        // A 100 MB file picked by mistake must neither hang the program nor fill its memory.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.str"));
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(raised("Big") + "\r\n");
        QVERIFY(huge.resize(100LL * 1024 * 1024));
        huge.close();
        QElapsedTimer timer;
        timer.start();
        const ResultLines lines = readResultFile(path);
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(lines[0], QStringLiteral("Big"));
        QVERIFY(lines[1].isEmpty());
    }

    void failedSaveLeavesTheExistingFileUntouched_data()
    {
        QTest::addColumn<bool>("diskFull");
        // A disk that fills up mid-save must not leave half a file where a good one stood.
        QTest::newRow("disk fills up") << true;
        QTest::newRow("read-only folder") << false;
    }

    void failedSaveLeavesTheExistingFileUntouched()
    {
        QFETCH(bool, diskFull);
        if (diskFull && !testsupport::FileSizeLimit::available())
            QSKIP("no per-process file-size limit on this platform to stand in for a full disk");
        if (!diskFull && !testsupport::folderPermissionsBind())
            QSKIP("a read-only folder does not refuse this process here (root, or Windows)");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.str"));
        QVERIFY(saveResultFile(path, entries({"Old", "Male", "1", "May", "1980"})));
        const QByteArray before = readAll(path);
        QString error;
        if (diskFull) {
            testsupport::FileSizeLimit full(8);
            QVERIFY(!saveResultFile(path, entries({"A much longer new name", "Female", "2", "June", "1990"}), &error));
        } else {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(!saveResultFile(path, entries({"New", "Male", "1", "May", "1980"}), &error));
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.str")});
    }

    void onlyLowerCaseStrIsAResultFile()
    {
        QVERIFY(hasResultFileExtension(QStringLiteral("/home/ann/reading.str")));
        for (const char *name : {"/home/ann/reading.STR", "reading.Str", "reading.strx", "reading.txt"})
            QVERIFY2(!hasResultFileExtension(QLatin1String(name)), name);
    }

    void sheetHasFifteenRunsInOrder()
    {
        // Labels out of order or a missing run would print a sheet that misleads.
        ZodiacReading reading = entries({"Ann", "Female", "12", "March", "1975"});
        reading.birthDate = QDate(1975, 3, 12);
        reading.sign = QStringLiteral("Rabbit");
        reading.element = QStringLiteral("Wood");
        reading.elementText = QStringLiteral("wood text");
        const QList<SheetRun> runs = sheetRuns(reading, QLocale(QLocale::English, QLocale::UnitedKingdom));
        QStringList labels;
        for (const SheetRun &run : runs)
            labels << run.label;
        QCOMPARE(labels,
                 (QStringList{"Name: ", "Date of Birth: ", "Sign: ", "Element: Wood: ", "Ruling Planet: ",
                              "Positive Traits: ", "Negative Traits: ", "Most Compatible Sign: ",
                              "Least Compatible Sign: ", "Lucky Color: ", "GemStone: ", "Energy: ",
                              "Favourable Season: ", "Favourable Month: ", "Famous Persons of this Star Sign are: "}));
        QCOMPARE(runs[1].value, QStringLiteral("12/03/1975"));
        QCOMPARE(runs[3].value, QStringLiteral("wood text"));
    }

    void birthDateKeepsTheShortFormatWithTheFullYear_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QString>("shown");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("en_US 1936") << us << QDate(1936, 3, 1) << QStringLiteral("3/1/1936");
        QTest::newRow("en_US 2019") << us << QDate(2019, 12, 31) << QStringLiteral("12/31/2019");
        QTest::newRow("de_DE") << german << QDate(1936, 3, 1) << QStringLiteral("01.03.1936");
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << QDate(1975, 3, 12)
                               << QStringLiteral("12/03/1975");
    }

    void birthDateKeepsTheShortFormatWithTheFullYear()
    {
        // A two-digit year on a sheet for 1936 to 2019 leaves the reader guessing the century.
        QFETCH(QLocale, locale);
        QFETCH(QDate, birth);
        QFETCH(QString, shown);
        ZodiacReading reading;
        reading.birthDate = birth;
        QCOMPARE(sheetRuns(reading, locale)[1].value, shown);
    }

    void onlyWebAddressesBecomeLinks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("addresses");
        // clang-format off
        QTest::newRow("https") << QStringLiteral("see https://example.com/a?b=1 now") << QStringList{"https://example.com/a?b=1"};
        QTest::newRow("http, sentence dot") << QStringLiteral("Go to http://example.org.") << QStringList{"http://example.org"};
        QTest::newRow("www") << QStringLiteral("Ann www.example.com") << QStringList{"http://www.example.com"};
        QTest::newRow("file") << QStringLiteral("file:///usr/bin/xterm") << QStringList{};
        QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << QStringList{};
        QTest::newRow("ftp") << QStringLiteral("ftp://example.com") << QStringList{};
        QTest::newRow("path") << QStringLiteral("/usr/bin/gnome-terminal") << QStringList{};
        QTest::newRow("no host") << QStringLiteral("http:// and www.") << QStringList{};
        QTest::newRow("glued to a word") << QStringLiteral("xhttp://evil.example") << QStringList{};
        // clang-format on
    }

    void onlyWebAddressesBecomeLinks()
    {
        // A saved name is input from outside: anything but a web address must never be opened.
        QFETCH(QString, text);
        QFETCH(QStringList, addresses);
        QStringList found;
        for (const WebLink &link : findWebLinks(text)) {
            found << link.address;
            QVERIFY(shell::isWebAddress(QUrl(link.address)));
        }
        QCOMPARE(found, addresses);
    }

    void theWebLayerRefusesAnythingButWebAddresses()
    {
        for (const char *address : {"file:///etc/passwd", "mailto:a@b.c", "/usr/bin/xterm"})
            QVERIFY2(!shell::isWebAddress(QUrl(QLatin1String(address))), address);
        QVERIFY(shell::isWebAddress(QUrl(QStringLiteral("https://www.example.com/"))));
    }
};

QTEST_GUILESS_MAIN(TestResultFile)
#include "tst_result_file.moc"
