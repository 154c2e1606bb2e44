// Stops the start-up clock once the first frame is out, and reads the peak memory there.
#include "bench/first_paint.h"

#include <sys/resource.h>
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace tolm::bench {
namespace {

long long sinceEpoch(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

// VmHWM: the most resident memory the process has held, in KiB.
long peakResidentKib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
    return -1;
}

// The processor time the process has used so far, user and system, in microseconds: unlike the
// time on the clock, it hardly moves when other programs load the machine.
long long cpuMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) { return static_cast<long long>(t.tv_sec) * 1'000'000 + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

}  // namespace

FirstPaintWatch::FirstPaintWatch(Clock::time_point mainEntered) : mainEntered_(mainEntered) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (!painting_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        painting_ = true;
        painted_ = static_cast<QWidget*>(watched)->size();
        // The window is painted first and its children after it, within the one event that
        // also hands the frame to the platform; a queued call runs once that event is over.
        QMetaObject::invokeMethod(this, &FirstPaintWatch::report, Qt::QueuedConnection);
    }
    return false;
}

void FirstPaintWatch::report() const {
    const auto painted = Clock::now();
    std::printf("main=%lld painted=%lld cpu_us=%lld peak_kib=%ld size=%dx%d\n", sinceEpoch(mainEntered_),
                sinceEpoch(painted), cpuMicroseconds(), peakResidentKib(), painted_.width(), painted_.height());
    std::fflush(stdout);
    // The measurement is over; tearing the window down would only slow the series of runs.
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace tolm::bench
