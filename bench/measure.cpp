// Clocks, memory and processor-time readings, and the wait for a window's first painted frame.
#include "measure.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>

namespace bench {

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

qint64 parsePeakResidentKiB(const QString &status)
{
    static const QRegularExpression line(QStringLiteral("^VmHWM:\\s*(\\d+)\\s*kB"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(status);
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

qint64 peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    return parsePeakResidentKiB(QString::fromLatin1(status.readAll()));
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// After the first frame the loop runs a little longer, so that work queued for "just after start"
// counts towards the peak too; then the copy reports and ends without tearing anything down.
void reportStartAndEnd(QTextStream &out, qint64 mainNs, qint64 frameNs, const std::function<void()> &last)
{
    QEventLoop settle;
    QTimer::singleShot(150, &settle, &QEventLoop::quit);
    settle.exec();
    out << "main_ns " << mainNs << '\n' << "frame_ns " << frameNs << '\n' << "peak_kib " << peakResidentKiB() << '\n';
    out.flush();
    if (last)
        last();
    ::_exit(0);
}

namespace {

std::vector<FrameWatcher *> &liveWatchers()
{
    static std::vector<FrameWatcher *> watchers;
    return watchers;
}

} // namespace

bool BenchApplication::notify(QObject *receiver, QEvent *event)
{
    ++m_depth;
    const bool handled = QApplication::notify(receiver, event);
    --m_depth;
    // A paint event sent on its own (a direct repaint) is part of a pass still under way.
    if (m_depth == 0 && event->type() != QEvent::Paint)
        FrameWatcher::eventHandled();
    return handled;
}

FrameWatcher::FrameWatcher()
{
    QCoreApplication::instance()->installEventFilter(this);
    liveWatchers().push_back(this);
}

FrameWatcher::~FrameWatcher()
{
    std::erase(liveWatchers(), this);
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void FrameWatcher::arm(Pick pick)
{
    m_pick = std::move(pick);
    m_armed = true;
    m_painted = false;
    m_framed = false;
    m_framedNs = 0;
}

void FrameWatcher::eventHandled()
{
    for (FrameWatcher *watcher : liveWatchers()) {
        if (watcher->m_armed && watcher->m_painted)
            watcher->markFramed();
    }
}

void FrameWatcher::markFramed()
{
    if (m_framed)
        return;
    m_framedNs = monotonicNs();
    m_framed = true;
    m_armed = false;
    emit framed();
}

bool FrameWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (m_armed && !m_painted && event->type() == QEvent::Paint && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (!m_pick || m_pick(widget)) {
            m_painted = true;
            // Under a plain QApplication: a zero timer posted from inside the first paint runs once
            // the whole frame has gone out (and after whatever timers were already due).
            QTimer::singleShot(0, this, [this] { markFramed(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

bool FrameWatcher::waitForFrame(int timeoutMs)
{
    if (!m_framed) {
        QEventLoop loop;
        connect(this, &FrameWatcher::framed, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_framed;
}

} // namespace bench
