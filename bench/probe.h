// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measurements shared by the game and the floor it is compared with. A probe process does one
// thing and prints one line of "key=value" pairs:
//   first-frame  start-up to the first complete frame (from the CLOCK_MONOTONIC time in
//                QUILORA_BENCH_START, set by the driver just before it starts the process) and
//                the peak resident memory at that moment
//   click        press-to-repaint times of a card, one per line
//   idle         CPU time spent over 10 s of doing nothing but the clock

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace quilora::bench {

inline long long monotonicMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

inline long peakResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

inline double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Calls `done` once the widget's first frame has been painted and flushed.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, std::function<void()> done) : done_(std::move(done)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            watched->removeEventFilter(this);
            // Runs when the repaint that this paint event belongs to has been flushed.
            QTimer::singleShot(0, this, done_);
        }
        return false;
    }

private:
    std::function<void()> done_;
    bool seen_ = false;
};

// Notes that a widget has been painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

inline void clickAt(QWidget* target) {
    const QPointF centre(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// Runs the probe named by argv[1] on a window that has just been shown. `card(i)` gives the
// widget of one of two cards that do not belong together.
inline int run(int argc, char** argv, QWidget* window, std::function<QWidget*(int)> card) {
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("first-frame");
    if (mode == "first-frame") {
        const long long start = std::atoll(qgetenv("QUILORA_BENCH_START").constData());
        new FirstFrame(window, [start] {
            std::printf("first_frame_us=%lld peak_rss_kb=%ld\n", monotonicMicroseconds() - start,
                        peakResidentKilobytes());
            std::fflush(stdout);
            _exit(0); // the teardown is not part of the measurement
        });
    } else if (mode == "click") {
        const int clicks = argc > 2 ? std::atoi(argv[2]) : 400;
        new FirstFrame(window, [clicks, card] {
            for (int i = 0; i < clicks; ++i) {
                QWidget* target = card(i % 2);
                PaintWatch watch(target);
                QElapsedTimer timer;
                timer.start();
                clickAt(target);
                while (!watch.painted)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                std::printf("click_us=%.1f\n", timer.nsecsElapsed() / 1000.0);
            }
            std::fflush(stdout);
            _exit(0);
        });
    } else if (mode == "idle") {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
        new FirstFrame(window, [seconds] {
            // Whatever the start-up left for later has run by then.
            QTimer::singleShot(2000, [seconds] {
                const double before = cpuSeconds();
                QTimer::singleShot(seconds * 1000, [before, seconds] {
                    std::printf("idle_cpu_percent=%.4f\n",
                                100.0 * (cpuSeconds() - before) / seconds);
                    std::fflush(stdout);
                    _exit(0);
                });
            });
        });
    } else {
        std::fprintf(stderr, "usage: %s [first-frame | click [n] | idle [seconds]]\n", argv[0]);
        return 2;
    }
    return QApplication::exec();
}

} // namespace quilora::bench
