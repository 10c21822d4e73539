// The benchmark: start-up against a bare Qt window, each tool's opening and reading, peak memory,
// and the processor time of the Mahjong wait, each start in a fresh copy of this executable.
#include "bare_window.h"
#include "measure.h"
#include "scenarios.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

namespace {

struct Options
{
    int starts = 21;
    int runs = 20;
    int waitRuns = 1;
    QString platform;
    bool json = false;
};

int intArgument(const QStringList &args, qsizetype &i, int fallback)
{
    if (i + 1 >= args.size())
        return fallback;
    bool ok = false;
    const int value = args[++i].toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

std::optional<Options> parseOptions(const QStringList &args)
{
    Options options;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--starts"))
            options.starts = intArgument(args, i, options.starts);
        else if (arg == QLatin1String("--runs"))
            options.runs = intArgument(args, i, options.runs);
        else if (arg == QLatin1String("--wait-runs"))
            options.waitRuns = intArgument(args, i, options.waitRuns);
        else if (arg == QLatin1String("--platform") && i + 1 < args.size())
            options.platform = args[++i];
        else if (arg == QLatin1String("--json"))
            options.json = true;
        else
            return std::nullopt;
    }
    return options;
}

// What one copy reported: its samples by key, and the lines it gave up on.
struct ChildReport
{
    qint64 spawnNs = 0;
    std::map<QString, std::vector<double>> samples;
    QStringList errors;
    bool ok() const { return errors.isEmpty(); }
    double first(const QString &key) const
    {
        const auto it = samples.find(key);
        return it == samples.end() || it->second.empty() ? 0.0 : it->second.front();
    }
};

class Runner
{
public:
    explicit Runner(const QString &platform)
        : m_home(homeTemplate())
    {
        QDir(m_home.path()).mkpath(QStringLiteral("config"));
        QDir(m_home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(m_home.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        // Private folders: the launcher's lock and its reminder setting are the benchmark's own.
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
    }

    // In memory when the machine allows, as a desktop's runtime folder is: the launcher's lock is
    // written and synced there at every start, and a disk would time the disk.
    static QString homeTemplate()
    {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
        return base + QStringLiteral("/tavrenne-bench-XXXXXX");
    }

    // A copy of this executable in one of its measuring modes.
    ChildReport run(const QStringList &arguments, int timeoutMs)
    {
        return runProgram(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--child")} + arguments,
                          timeoutMs);
    }

    ChildReport runProgram(const QString &program, const QStringList &arguments, int timeoutMs)
    {
        ChildReport report;
        QProcess child;
        child.setProcessEnvironment(m_environment);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.setProgram(program);
        child.setArguments(arguments);
        report.spawnNs = bench::monotonicNs();
        child.start();
        if (!child.waitForStarted(timeoutMs) || !child.waitForFinished(timeoutMs)) {
            child.kill();
            child.waitForFinished(1000);
            report.errors
                << QStringLiteral("%1 %2 did not finish in time").arg(program, arguments.join(QLatin1Char(' ')));
            return report;
        }
        forwardWarnings(child.readAllStandardError());
        const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const qsizetype space = line.indexOf(QLatin1Char(' '));
            if (space <= 0)
                continue;
            const QString key = line.left(space);
            const QString value = line.mid(space + 1);
            if (key == QLatin1String("error"))
                report.errors << value;
            else
                report.samples[key].push_back(value.toDouble());
        }
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            report.errors << QStringLiteral("%1 %2 ended with code %3")
                                 .arg(program, arguments.join(QLatin1Char(' ')))
                                 .arg(child.exitCode());
        return report;
    }

private:
    // The offscreen platform's notice about size hints comes with every window and says nothing here.
    static void forwardWarnings(const QByteArray &text)
    {
        for (const QByteArray &line : text.split('\n')) {
            if (!line.isEmpty() && !line.contains("does not support propagateSizeHints"))
                std::fprintf(stderr, "%s\n", line.constData());
        }
    }

    QTemporaryDir m_home;
    QProcessEnvironment m_environment;
};

struct StartFigures
{
    std::vector<double> total;    // spawn to first frame, ms
    std::vector<double> fromMain; // main() to first frame, ms
    std::vector<double> peakKiB;
};

void addStart(StartFigures &figures, const ChildReport &report)
{
    const double frame = report.first(QStringLiteral("frame_ns"));
    const double main = report.first(QStringLiteral("main_ns"));
    figures.total.push_back((frame - double(report.spawnNs)) / 1e6);
    figures.fromMain.push_back((frame - main) / 1e6);
    figures.peakKiB.push_back(report.first(QStringLiteral("peak_kib")));
}

struct Row
{
    QString key;
    QString label;
    QString unit;
    double median = 0.0;
    std::optional<double> best; // the lowest sample: what the machine does when nothing else runs on it
    std::optional<double> first;
    QString goal; // empty when the row is for information
    std::optional<bool> pass;
    int samples = 0;
};

// The value of the first line of a text file that starts with `prefix`; /proc files have no size, so all is read.
QString firstLine(const QString &path, const QString &prefix)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed();
    }
    return QString();
}

QJsonObject machine(const QString &platformLabel)
{
    QString cpu = firstLine(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name"));
    if (cpu.startsWith(QLatin1Char(':')))
        cpu = cpu.mid(1).trimmed();
    const QString memory = firstLine(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal:"));
    QString os = firstLine(QStringLiteral("/etc/os-release"), QStringLiteral("PRETTY_NAME="));
    os.remove(QLatin1Char('"'));
    return QJsonObject{
        {QStringLiteral("cpus"), QThread::idealThreadCount()},
        {QStringLiteral("cpu"), cpu},
        {QStringLiteral("memory_mib"), qRound64(memory.section(QLatin1Char(' '), 0, 0).toDouble() / 1024.0)},
        {QStringLiteral("os"), os.isEmpty() ? QSysInfo::prettyProductName() : os},
        {QStringLiteral("qt"), QString::fromLatin1(qVersion())},
        {QStringLiteral("platform"), platformLabel},
        // Other work on the machine shows in every figure; say how busy it was.
        {QStringLiteral("load"), firstLine(QStringLiteral("/proc/loadavg"), QString()).section(QLatin1Char(' '), 0, 2)},
    };
}

QString number(double value, const QString &unit)
{
    const int decimals = unit == QLatin1String("ratio") ? 2 : 1;
    return QString::number(value, 'f', decimals);
}

void printTable(const QList<Row> &rows, const QJsonObject &host, const Options &options, const QStringList &errors)
{
    QTextStream out(stdout);
    out << "Tavrenne benchmark on " << host[QStringLiteral("platform")].toString() << ": " << options.starts
        << " starts of each, " << options.runs << " runs of each action, medians\n";
    out << "machine: " << host[QStringLiteral("cpus")].toInt() << " x " << host[QStringLiteral("cpu")].toString()
        << ", " << host[QStringLiteral("memory_mib")].toInteger() << " MiB, " << host[QStringLiteral("os")].toString()
        << ", Qt " << host[QStringLiteral("qt")].toString() << ", load " << host[QStringLiteral("load")].toString()
        << "\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5  %6  %7\n")
               .arg(QStringLiteral("measure"), -40)
               .arg(QStringLiteral("unit"), -5)
               .arg(QStringLiteral("median"), 8)
               .arg(QStringLiteral("best"), 8)
               .arg(QStringLiteral("first"), 8)
               .arg(QStringLiteral("goal"), -9)
               .arg(QString());
    out << QString(89, QLatin1Char('-')) << '\n';
    static const QRegularExpression trailingBlanks(QStringLiteral("\\s+$"));
    for (const Row &row : rows) {
        const QString verdict = !row.pass ? QString() : *row.pass ? QStringLiteral("PASS") : QStringLiteral("MISS");
        out << QStringLiteral("%1 %2 %3 %4 %5  %6  %7")
                   .arg(row.label, -40)
                   .arg(row.unit == QLatin1String("ratio") ? QString() : row.unit, -5)
                   .arg(number(row.median, row.unit), 8)
                   .arg(row.best ? number(*row.best, row.unit) : QString(), 8)
                   .arg(row.first ? number(*row.first, row.unit) : QString(), 8)
                   .arg(row.goal, -9)
                   .arg(verdict)
                   .remove(trailingBlanks)
            << '\n';
    }
    out << "\nGoals are judged on the medians. \"best\" is the lowest sample, \"first\" the first run in its copy:\n"
           "a tool's pictures and fonts are read then, not at start.\n";
    for (const QString &error : errors)
        out << "ERROR: " << error << '\n';
}

void printJson(const QList<Row> &rows, const QJsonObject &host, const Options &options, const QStringList &errors)
{
    QJsonArray results;
    for (const Row &row : rows) {
        QJsonObject entry{{QStringLiteral("key"), row.key},
                          {QStringLiteral("measure"), row.label},
                          {QStringLiteral("unit"), row.unit},
                          {QStringLiteral("median"), row.median},
                          {QStringLiteral("samples"), row.samples}};
        if (row.best)
            entry.insert(QStringLiteral("best"), *row.best);
        if (row.first)
            entry.insert(QStringLiteral("first"), *row.first);
        if (row.pass) {
            entry.insert(QStringLiteral("goal"), row.goal);
            entry.insert(QStringLiteral("pass"), *row.pass);
        }
        results.append(entry);
    }
    const QJsonObject document{{QStringLiteral("machine"), host},
                               {QStringLiteral("starts"), options.starts},
                               {QStringLiteral("runs"), options.runs},
                               {QStringLiteral("results"), results},
                               {QStringLiteral("errors"), QJsonArray::fromStringList(errors)}};
    QTextStream(stdout) << QJsonDocument(document).toJson(QJsonDocument::Indented);
}

int runChild(int argc, char *argv[])
{
    QTextStream out(stdout);
    const QString mode = QString::fromLatin1(argv[2]);
    if (mode == QLatin1String("bare"))
        return bench::runBareStart(argc, argv, out);
    if (mode == QLatin1String("launcher"))
        return bench::runLauncherStart(argc, argv, out);
    if (mode == QLatin1String("tools")) {
        int runs = 20;
        int waitRuns = 1;
        QString only;
        for (int i = 3; i + 1 < argc; i += 2) {
            if (std::strcmp(argv[i], "--runs") == 0)
                runs = std::atoi(argv[i + 1]);
            else if (std::strcmp(argv[i], "--wait-runs") == 0)
                waitRuns = std::atoi(argv[i + 1]);
            else if (std::strcmp(argv[i], "--only") == 0)
                only = QString::fromLatin1(argv[i + 1]);
        }
        return bench::runToolScenarios(argc, argv, runs, waitRuns, only, out);
    }
    out << "error unknown mode " << mode << '\n';
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // The copies the benchmark starts: one measurement each, then they end.
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);

    QCoreApplication app(argc, argv);
    const std::optional<Options> parsed = parseOptions(QCoreApplication::arguments());
    if (!parsed) {
        std::fprintf(stderr, "usage: tavrenne_bench [--starts N] [--runs N] [--wait-runs N] "
                             "[--platform offscreen|xcb] [--json]\n");
        return 2;
    }
    Options options = *parsed;
    const QString display = qEnvironmentVariable("DISPLAY");
    if (options.platform.isEmpty())
        options.platform = display.isEmpty() ? QStringLiteral("offscreen") : QStringLiteral("xcb");
    const QString platformLabel = options.platform == QLatin1String("xcb")
                                      ? QStringLiteral("xcb (X display %1)").arg(display)
                                      : options.platform;

    Runner runner(options.platform);
    QStringList errors;
    StartFigures bare;
    StartFigures launcher;
    StartFigures widgetsOnly;
    const QString widgetsOnlyProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/tavrenne_bench_bare");
    const bool haveWidgetsOnly = QFileInfo(widgetsOnlyProgram).isExecutable();
    const auto startBare = [&] { return runner.run({QStringLiteral("bare")}, 20000); };
    const auto startLauncher = [&] { return runner.run({QStringLiteral("launcher")}, 20000); };
    const auto startWidgetsOnly = [&] { return runner.runProgram(widgetsOnlyProgram, {}, 20000); };
    // One start of each first, unmeasured: it fills the font and file caches and stores the
    // reminder's first date, so every measured start is an ordinary one.
    errors << startBare().errors << startLauncher().errors;
    if (haveWidgetsOnly)
        errors << startWidgetsOnly().errors;
    // Taken in turns, so that a slow spell of the machine falls on all alike.
    for (int i = 0; i < options.starts && errors.isEmpty(); ++i) {
        const ChildReport b = startBare();
        const ChildReport l = startLauncher();
        errors << b.errors << l.errors;
        if (b.ok() && l.ok()) {
            addStart(bare, b);
            addStart(launcher, l);
        }
        if (haveWidgetsOnly) {
            const ChildReport w = startWidgetsOnly();
            errors << w.errors;
            if (w.ok())
                addStart(widgetsOnly, w);
        }
    }
    const ChildReport tools = runner.run({QStringLiteral("tools"), QStringLiteral("--runs"),
                                          QString::number(options.runs), QStringLiteral("--wait-runs"),
                                          QString::number(options.waitRuns)},
                                         120000 + 10000 * options.waitRuns);
    errors << tools.errors;

    QList<Row> rows;
    const auto info = [&rows](const QString &key, const QString &label, const QString &unit,
                              const std::vector<double> &values, bool withFirst = false) -> Row & {
        Row row{key,          label,     unit,         bench::median(values), std::nullopt,
                std::nullopt, QString(), std::nullopt, int(values.size())};
        if (values.size() > 1)
            row.best = *std::min_element(values.begin(), values.end());
        if (withFirst && !values.empty())
            row.first = values.front();
        rows.append(row);
        return rows.last();
    };
    const auto goal = [](Row &row, const QString &text, bool pass) {
        row.goal = text;
        row.pass = pass;
    };

    const double bareStart = bench::median(bare.total);
    const double launcherStart = bench::median(launcher.total);
    const QString ms = QStringLiteral("ms");
    info(QStringLiteral("start.bare"), QStringLiteral("start-up to first frame, bare window"), ms, bare.total);
    info(QStringLiteral("start.bare.main"), QStringLiteral("  of which from main()"), ms, bare.fromMain);
    info(QStringLiteral("start.launcher"), QStringLiteral("start-up to first frame, launcher"), ms, launcher.total);
    info(QStringLiteral("start.launcher.main"), QStringLiteral("  of which from main()"), ms, launcher.fromMain);
    const auto lowest = [](const std::vector<double> &values) {
        return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
    };
    const auto quotient = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    const double ratio = quotient(launcherStart, bareStart);
    Row &ratioRow = info(QStringLiteral("start.ratio"), QStringLiteral("start-up ratio, launcher / bare"),
                         QStringLiteral("ratio"), {ratio});
    ratioRow.best = quotient(lowest(launcher.total), lowest(bare.total));
    goal(ratioRow, QStringLiteral("<= 1.25"), ratio > 0 && ratio <= 1.25);
    if (!widgetsOnly.total.empty()) {
        const double alone = bench::median(widgetsOnly.total);
        info(QStringLiteral("start.widgets_only"), QStringLiteral("bare window, Widgets-only executable"), ms,
             widgetsOnly.total);
        info(QStringLiteral("start.widgets_only.main"), QStringLiteral("  of which from main()"), ms,
             widgetsOnly.fromMain);
        Row &aloneRatio = info(QStringLiteral("start.widgets_only.ratio"), QStringLiteral("  launcher / that window"),
                               QStringLiteral("ratio"), {quotient(launcherStart, alone)});
        aloneRatio.best = quotient(lowest(launcher.total), lowest(widgetsOnly.total));
    }

    struct Action
    {
        const char *key;
        const char *label;
    };
    const std::array<Action, 9> actions{{
        {"open.zodiac", "open Chinese Zodiac"},
        {"open.fortune", "open Fortune Cookie"},
        {"open.iching", "open I Ching"},
        {"open.mahjong", "open Mahjong Oracle"},
        {"reading.iching", "I Ching cast of six tosses"},
        {"reading.zodiac", "Zodiac Proceed to the reading"},
        {"reading.sheet", "Zodiac result sheet (Print)"},
        {"reading.fortune", "Fortune Cookie reading"},
        {"reading.mahjong", "Mahjong reading, wait left out"},
    }};
    for (const Action &action : actions) {
        const QString key = QString::fromLatin1(action.key);
        const auto it = tools.samples.find(key);
        const std::vector<double> values = it == tools.samples.end() ? std::vector<double>{} : it->second;
        Row &row = info(key, QString::fromLatin1(action.label), QStringLiteral("ms"), values, true);
        goal(row, QStringLiteral("< 30 ms"), !values.empty() && row.median < 30.0);
    }

    const double barePeak = bench::median(bare.peakKiB);
    const double launcherPeak = bench::median(launcher.peakKiB);
    const auto mib = [](double kib) { return kib / 1024.0; };
    info(QStringLiteral("peak.bare"), QStringLiteral("peak memory (VmHWM), bare window"), QStringLiteral("MiB"),
         {mib(barePeak)});
    if (!widgetsOnly.peakKiB.empty())
        info(QStringLiteral("peak.widgets_only"), QStringLiteral("  Widgets-only executable"), QStringLiteral("MiB"),
             {mib(bench::median(widgetsOnly.peakKiB))});
    info(QStringLiteral("peak.launcher"), QStringLiteral("peak memory (VmHWM), launcher"), QStringLiteral("MiB"),
         {mib(launcherPeak)});
    const double above = launcherPeak - barePeak;
    goal(info(QStringLiteral("peak.above"), QStringLiteral("peak memory, launcher above bare"), QStringLiteral("MiB"),
              {mib(above)}),
         QStringLiteral("<= 15 MB"), barePeak > 0 && above * 1024.0 <= 15e6);
    const double usedPeak = tools.first(QStringLiteral("peak_kib"));
    info(QStringLiteral("peak.tools"), QStringLiteral("peak memory after every tool, launcher"), QStringLiteral("MiB"),
         {mib(usedPeak)});

    const auto waitIt = tools.samples.find(QStringLiteral("wait.cpu_percent"));
    const std::vector<double> waitCpu = waitIt == tools.samples.end() ? std::vector<double>{} : waitIt->second;
    const auto secondsIt = tools.samples.find(QStringLiteral("wait.seconds"));
    info(QStringLiteral("wait.seconds"), QStringLiteral("Mahjong wait, length"), QStringLiteral("s"),
         secondsIt == tools.samples.end() ? std::vector<double>{} : secondsIt->second);
    Row &wait = info(QStringLiteral("wait.cpu_percent"), QStringLiteral("Mahjong wait, CPU of one core"),
                     QStringLiteral("%"), waitCpu);
    goal(wait, QStringLiteral("< 5 %"), !waitCpu.empty() && wait.median < 5.0);

    const QJsonObject host = machine(platformLabel);
    if (options.json)
        printJson(rows, host, options, errors);
    else
        printTable(rows, host, options, errors);
    return errors.isEmpty() ? 0 : 1;
}
