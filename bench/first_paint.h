// The start-up probes' shared watch: the time from entering main to the first painted frame.
#pragma once

#include <QObject>
#include <QSize>
#include <chrono>

namespace tolm::bench {

using Clock = std::chrono::steady_clock;

// Installed on the application, so it sees the window however the probe builds it. When the
// first frame of a top-level window has been painted, it prints one line for the runner:
//   main=<ns> painted=<ns> cpu_us=<n> peak_kib=<n> size=<w>x<h>
// (both times on the monotonic clock, the processor time used so far, the peak resident memory
// so far, the size of the window painted) and ends the process.
class FirstPaintWatch : public QObject {
public:
    // Installs itself on the running application.
    explicit FirstPaintWatch(Clock::time_point mainEntered);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[noreturn]] void report() const;

    Clock::time_point mainEntered_;
    bool painting_ = false;
    QSize painted_;
};

}  // namespace tolm::bench
