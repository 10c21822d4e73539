// The print queue the printing tests print on and read back.
#include "print_queue.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>

namespace testsupport {

QString printQueueOutput()
{
    const QString output = qEnvironmentVariable("TAVRENNE_PRINT_OUTPUT");
    return QPrinterInfo::defaultPrinter().isNull() ? QString() : output;
}

bool waitForPrintout(const QString &output, int timeoutMs)
{
    // The queue writes the file when the job is done: complete once it has not grown for half a second.
    qint64 lastSize = -1;
    QElapsedTimer unchanged;
    const auto complete = [&] {
        const qint64 size = QFileInfo(output).size();
        if (size != lastSize) {
            lastSize = size;
            unchanged.start();
        }
        return size > 0 && unchanged.elapsed() >= 500;
    };
    return QTest::qWaitFor(complete, timeoutMs);
}

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace testsupport
