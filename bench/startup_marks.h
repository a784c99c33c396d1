#pragma once

// What the start-up probes report, measured alike in the editor's probe and
// in the bare Qt program it is held against, so that the two figures differ
// only by what the editor itself does.
//
// Times count from the moment the script started the process: it puts the
// wall-clock time into BENCH_SPAWN_NS just before, so the figures include
// loading the program and its libraries, which the user waits for too.

#include <sys/resource.h>
#include <time.h>

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace bench {

inline long long WallNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Milliseconds since the process was started; without BENCH_SPAWN_NS, since
// the first call.
inline double MsSinceSpawn() {
    static const long long origin = [] {
        const char* spawn = std::getenv("BENCH_SPAWN_NS");
        return spawn ? std::atoll(spawn) : WallNs();
    }();
    return static_cast<double>(WallNs() - origin) / 1e6;
}

// Processor time of the whole process so far (user and system), in ms.
inline double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

inline long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// With BENCH_TRACE set, each call prints how far start-up has come.
inline void Trace(const char* step) {
    static const bool on = std::getenv("BENCH_TRACE") != nullptr;
    if (on) std::fprintf(stderr, "trace %8.2f ms  cpu %7.2f ms  %s\n", MsSinceSpawn(), CpuMs(), step);
}

// Calls `ready` once, when the window has been painted and `done` holds:
// after the paint event has been handled (the event loop's next turn, so the
// painted window has been handed to the screen) or, when `done` comes true
// later, at the next turn after that.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<bool()> done, std::function<void()> ready)
        : window_(window), done_(std::move(done)), ready_(std::move(ready)) {}

    // A paint of any of the window's widgets counts: the window shows.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            painted_ = true;
            Poke();
        }
        return false;
    }
    // Something `done` depends on changed.
    void Poke() {
        QTimer::singleShot(0, this, [this] {
            if (fired_ || !painted_ || !done_()) return;
            fired_ = true;
            ready_();
        });
    }

private:
    QWidget& window_;
    std::function<bool()> done_;
    std::function<void()> ready_;
    bool painted_ = false;
    bool fired_ = false;
};

// A start-up that never finishes (a window never activated) ends the probe
// with status 1 rather than hanging the benchmark.
inline void GiveUpAfter(int ms) {
    QTimer::singleShot(ms, [] {
        std::fprintf(stderr, "start-up did not finish\n");
        std::exit(1);
    });
}

// The line both probes print: "visible_ms 41.2 cpu_ms 38.0 saved_ms 52.3 peak_kb 39000".
// With BENCH_SMAPS=FILE, the process's memory map with what each part
// holds is copied there as the figures are taken (where the peak comes from).
inline void Report(double visibleMs, double visibleCpuMs, double savedMs) {
    if (const char* smaps = std::getenv("BENCH_SMAPS")) {
        if (std::FILE* in = std::fopen("/proc/self/smaps", "r")) {
            if (std::FILE* out = std::fopen(smaps, "w")) {
                char buffer[4096];
                for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
                    std::fwrite(buffer, 1, n, out);
                std::fclose(out);
            }
            std::fclose(in);
        }
    }
    std::printf("visible_ms %.3f visible_cpu_ms %.3f saved_ms %.3f cpu_ms %.3f peak_kb %ld\n",
                visibleMs, visibleCpuMs, savedMs, CpuMs(), PeakKb());
    std::fflush(stdout);
}

}  // namespace bench
