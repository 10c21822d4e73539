// The print queue the printing tests print on and read back: a default printer writing a PDF to
// $TAVRENNE_PRINT_OUTPUT (scripts/print-server.sh).
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

namespace testsupport {

// The file the default queue writes, or empty when there is no such queue here.
QString printQueueOutput();
// The file the queue writes once it has stopped growing; false when nothing came within the timeout.
bool waitForPrintout(const QString &output, int timeoutMs = 60000);
// A command-line tool's standard output, or empty when it fails.
QString runTool(const QString &program, const QStringList &arguments);

} // namespace testsupport

// Declares `output`, the queue's file, emptied for the printout to come; a test without a queue skips, except in
// CI, where it fails. Windows skips: printing there needs a real Windows printer, and the PDF tools that read the
// page back are POSIX programs.
#ifdef Q_OS_WIN
#define REQUIRE_PRINT_QUEUE(output)                                                                                    \
    const QString output;                                                                                              \
    Q_UNUSED(output);                                                                                                  \
    QSKIP("Windows printing needs a real Windows printer; the PDF tools that read the page back are POSIX programs")
#else
#define REQUIRE_PRINT_QUEUE(output)                                                                                    \
    const QString output = testsupport::printQueueOutput();                                                            \
    if (output.isEmpty()) {                                                                                            \
        if (qEnvironmentVariable("CI") == QLatin1String("true"))                                                       \
            QFAIL("CI must provide a default printer writing to $TAVRENNE_PRINT_OUTPUT");                              \
        QSKIP("no default printer here; run scripts/print-server.sh start FILE and set TAVRENNE_PRINT_OUTPUT=FILE");   \
    }                                                                                                                  \
    QFile::remove(output)
#endif
