// Clocks, memory and processor-time readings, and the wait for a window's first painted frame.
#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTextStream>

#include <functional>
#include <vector>

class QWidget;

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: one time line for the benchmark and the copies it starts.
qint64 monotonicNs();
// VmHWM of this process in KiB, 0 when /proc can't tell.
qint64 peakResidentKiB();
// The VmHWM line of a /proc/<pid>/status text, in KiB; 0 when absent.
qint64 parsePeakResidentKiB(const QString &status);
// User plus system time this process has used, in seconds.
double processorSeconds();

double median(std::vector<double> values);

// What a started copy reports: when main() began, when its first frame went out, and its peak memory
// a moment later. `last` runs just before the process ends, without tearing anything down.
[[noreturn]] void reportStartAndEnd(QTextStream &out, qint64 mainNs, qint64 frameNs,
                                    const std::function<void()> &last = {});

// The benchmark's application. A window's paint pass, its flush to the window system included, runs
// inside one event (an update request or an expose); once the outermost event in hand has been dealt
// with whole, the frame watchers learn that any frame painted during it has gone out.
class BenchApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;

private:
    int m_depth = 0;
};

// Watches for paint events on the widgets a predicate picks, and tells when the frame
// that painted them has been handed to the window system.
class FrameWatcher : public QObject
{
    Q_OBJECT
public:
    using Pick = std::function<bool(QWidget *)>;
    FrameWatcher();
    ~FrameWatcher() override;

    // Starts watching afresh; an empty pick takes every widget.
    void arm(Pick pick = {});
    // Runs the event loop until the watched widgets have been painted and the frame is done.
    bool waitForFrame(int timeoutMs = 5000);
    // When that frame went out: what timers and repaints ran after it, before the wait returned, is not
    // part of what the user waited for.
    qint64 framedAtNs() const { return m_framedNs; }
    // Called by the application once an event has been handled whole.
    static void eventHandled();

signals:
    void framed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void markFramed();

    Pick m_pick;
    bool m_armed = false;
    bool m_painted = false;
    bool m_framed = false;
    qint64 m_framedNs = 0;
};

} // namespace bench
