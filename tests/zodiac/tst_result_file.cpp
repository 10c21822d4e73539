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

ZodiacReading entries(const QString &name, const QString &sex, const QString &day, const QString &month,
                      const QString &year)
{
    ZodiacReading reading;
    reading.name = name;
    reading.sex = sex;
    reading.dayText = day;
    reading.monthText = month;
    reading.yearText = year;
    return reading;
}

QByteArray raised(const QByteArray &plain)
{
    QByteArray out;
    for (const char c : plain)
        out += char(static_cast<unsigned char>(c) + ScrambleOffset);
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
    void fileHoldsFiveScrambledLinesEachEndedByCrLf()
    {
        // Older files are read byte by byte: one extra or missing byte shifts every entry.
        const QByteArray bytes = encodeResultFile(entries("Ann", "Female", "12", "March", "1975"));
        QCOMPARE(bytes, raised("Ann") + "\r\n" + raised("Female") + "\r\n" + raised("12") + "\r\n" + raised("March")
                            + "\r\n" + raised("1975") + "\r\n");
        QCOMPARE(bytes.count("\r\n"), 5);
    }

    void nameTheScramblingWouldCutComesBackWhole_data()
    {
        QTest::addColumn<QString>("name");
        // clang-format off
        QTest::newRow("one letter past the offset") << QStringLiteral("Zo") + QChar(256 - ScrambleOffset) + QStringLiteral("e");
        QTest::newRow("accented") << QStringLiteral("Zo\u00eb M\u00fcller");
        QTest::newRow("Chinese") << QStringLiteral("\u674e\u5a1c");
        // clang-format on
    }

    void nameTheScramblingWouldCutComesBackWhole()
    {
        // A name that reopens cut short, or empty, gives someone else's reading and nobody says so;
        // yet line 1 must stay what a reader of five lines has always found there.
        QFETCH(QString, name);
        const QByteArray bytes = encodeResultFile(entries(name, "Female", "1", "May", "1980"));
        const QString cut = shell::DecodeText(shell::EncodeText(name));
        const QByteArray fiveLines = shell::EncodeText(cut).toLatin1() + "\r\n" + raised("Female") + "\r\n"
                                     + raised("1") + "\r\n" + raised("May") + "\r\n" + raised("1980") + "\r\n";
        QVERIFY(bytes.startsWith(fiveLines));
        QCOMPARE(bytes.count("\r\n"), 6);
        QCOMPARE(decodeResultFile(fiveLines)[0], cut);
        QCOMPARE(decodeResultFile(bytes), (ResultLines{name, "Female", "1", "May", "1980"}));
    }

    void sixthLineThatDisagreesIsIgnored_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QByteArray>("sixth");
        // clang-format off
        QTest::newRow("another name") << QStringLiteral("Zo Mller") << QByteArray("Bob");
        QTest::newRow("another cut of the name") << QStringLiteral("Zo Mller") << QByteArray("Zo%C3%AB%20M%C3%BCll");
        QTest::newRow("not UTF-8") << QString() << QByteArray("%FF%FE");
        QTest::newRow("not wholly percent-encoded") << QStringLiteral("Zo Mller") << QByteArray("Zo%C3%AB Mller");
        // clang-format on
    }

    void sixthLineThatDisagreesIsIgnored()
    {
        // A hand-edited sixth line must not put a name into the form that line 1 never held.
        QFETCH(QString, first);
        QFETCH(QByteArray, sixth);
        const QByteArray bytes = raised(first.toLatin1()) + "\r\n" + raised("Male") + "\r\n" + raised("2") + "\r\n"
                                 + raised("June") + "\r\n" + raised("1990") + "\r\n" + raised(sixth) + "\r\n";
        QCOMPARE(decodeResultFile(bytes), (ResultLines{first, "Male", "2", "June", "1990"}));
    }

    void fileCrossesBetweenTheLinuxAndWindowsBuildsByteForByte()
    {
        // A reading saved on one system must open on the other: the same bytes, the same Latin-1 mapping,
        // CR LF line ends whatever the platform's own.
        const QByteArray saved = readAll(QStringLiteral(":/tests/data/saved-by-linux.str"));
        QVERIFY(!saved.isEmpty());
        const ResultLines lines{QStringLiteral("Åsa Renée"), "Female", "29", "February", "1984"};
        QCOMPARE(decodeResultFile(saved), lines);
        QCOMPARE(encodeResultFile(entries(lines[0], lines[1], lines[2], lines[3], lines[4])), saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("crossed.str"));
        QVERIFY(saveResultFile(path, entries(lines[0], lines[1], lines[2], lines[3], lines[4])));
        QCOMPARE(readAll(path), saved);
    }

    void savedReadingReadsBackExactly()
    {
        // Save then open must give the same entries, or the reopened reading differs.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ann.str"));
        QVERIFY(saveResultFile(path, entries("Ann Lee", "Female", "12", "March", "1975")));
        const ResultLines lines = readResultFile(path);
        QCOMPARE(lines, (ResultLines{"Ann Lee", "Female", "12", "March", "1975"}));
    }

    void shortOrOddFilesGiveEmptyLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ResultLines>("lines");
        // clang-format off
        QTest::newRow("empty") << QByteArray() << ResultLines{};
        QTest::newRow("three lines") << raised("Cy") + "\r\n" + raised("Male") + "\r\n" + raised("1") + "\r\n"
                                     << ResultLines{"Cy", "Male", "1", "", ""};
        QTest::newRow("no final line end") << raised("Ed") + "\r\n" + raised("Male") << ResultLines{"Ed", "Male", "", "", ""};
        QTest::newRow("bare CR ends a line") << raised("Di") + "\r" + raised("Female") + "\r\n"
                                             << ResultLines{"Di", "Female", "", "", ""};
        QTest::newRow("lone LF stays in the line and unscrambles to nothing")
            << raised("Di") + "\n" + raised("x") + "\r\n" << ResultLines{"Dix", "", "", "", ""};
        QTest::newRow("extra lines ignored") << QByteArray("\r\n\r\n\r\n\r\n\r\n") + raised("extra") + "\r\n"
                                             << ResultLines{};
        // clang-format on
    }

    void shortOrOddFilesGiveEmptyLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ResultLines, lines);
        QCOMPARE(decodeResultFile(bytes), lines);
    }

    void missingFileGivesEmptyLines()
    {
        QCOMPARE(readResultFile(QStringLiteral("/nonexistent/folder/x.str")), ResultLines{});
    }

    void hugeFileIsReadOnlyAsFarAsFiveLinesNeed()
    {
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

    void failedSaveLeavesTheExistingFileUntouched()
    {
        // A disk that fills up mid-save must not leave half a file where a good one stood.
        if (!testsupport::FileSizeLimit::available())
            QSKIP("no per-process file-size limit on this platform to stand in for a full disk");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.str"));
        QVERIFY(saveResultFile(path, entries("Old", "Male", "1", "May", "1980")));
        const QByteArray before = readAll(path);
        QString error;
        {
            testsupport::FileSizeLimit full(8);
            QVERIFY(!saveResultFile(path, entries("A much longer new name", "Female", "2", "June", "1990"), &error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.str")});
    }

    void saveIntoAReadOnlyFolderFails()
    {
        if (!testsupport::folderPermissionsBind())
            QSKIP("a read-only folder does not refuse this process here (root, or Windows)");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.str"));
        QVERIFY(saveResultFile(path, entries("Old", "Male", "1", "May", "1980")));
        const QByteArray before = readAll(path);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!saveResultFile(path, entries("New", "Male", "1", "May", "1980")));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readAll(path), before);
    }

    void onlyLowerCaseStrIsAResultFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        // clang-format off
        QTest::newRow("lower case") << QStringLiteral("/home/ann/reading.str") << true;
        QTest::newRow("upper case") << QStringLiteral("/home/ann/reading.STR") << false;
        QTest::newRow("mixed case") << QStringLiteral("reading.Str") << false;
        QTest::newRow("longer extension") << QStringLiteral("reading.strx") << false;
        QTest::newRow("other extension") << QStringLiteral("reading.txt") << false;
        // clang-format on
    }

    void onlyLowerCaseStrIsAResultFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(hasResultFileExtension(name), accepted);
    }

    void sheetHasFifteenRunsInOrder()
    {
        // Labels out of order or a missing run would print a sheet that misleads.
        ZodiacReading reading = entries("Ann", "Female", "12", "March", "1975");
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
        // clang-format off
        QTest::newRow("en_US 1936") << us << QDate(1936, 3, 1) << QStringLiteral("3/1/1936");
        QTest::newRow("en_US 2019") << us << QDate(2019, 12, 31) << QStringLiteral("12/31/2019");
        QTest::newRow("de_DE") << german << QDate(1936, 3, 1) << QStringLiteral("01.03.1936");
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << QDate(1975, 3, 12)
                               << QStringLiteral("12/03/1975");
        // clang-format on
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
        QVERIFY(!shell::isWebAddress(QUrl(QStringLiteral("file:///etc/passwd"))));
        QVERIFY(!shell::isWebAddress(QUrl(QStringLiteral("mailto:a@b.c"))));
        QVERIFY(!shell::isWebAddress(QUrl(QStringLiteral("/usr/bin/xterm"))));
        QVERIFY(shell::isWebAddress(QUrl(QStringLiteral("https://www.example.com/"))));
    }
};

QTEST_GUILESS_MAIN(TestResultFile)
#include "tst_result_file.moc"
