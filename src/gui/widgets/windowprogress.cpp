#include "gui/widgets/windowprogress.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <chrono>
#include <ctime>
#include <future>
#include <thread>

namespace {

// Milliseconds of the system's coarse clock: the throttle asks for the time once a parsed
// line, and the coarse clock answers that many times faster than the precise one.
qint64 coarseMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

void WindowProgress::start(int maximum) {
    m_value = 0;
    m_maximum = qMax(maximum, 1);  // a range of 0 would show a busy bar
    showBars();
    m_running = true;
    if (runningChanged) {
        runningChanged(true);
    }
}

void WindowProgress::step() {
    ++m_value;
}

// Work past the counted steps (an operation goes on after its last step) or work that cannot
// count shows a busy bar, which moves by itself.
void WindowProgress::showBars() {
    const bool busy = m_aside || m_value > m_maximum;
    for (QProgressBar* bar : m_bars) {
        if (busy) {
            bar->setRange(0, 0);
        } else {
            bar->setRange(0, m_maximum);
            bar->setValue(m_value);
        }
    }
}

void WindowProgress::finish() {
    m_value = 0;
    m_aside = false;
    showBars();
    m_running = false;
    if (runningChanged) {
        runningChanged(false);
    }
}

void WindowProgress::pumpEvents() {
    const qint64 now = coarseMilliseconds();
    if (now - m_lastPump < PumpIntervalMs) {
        return;
    }
    handleMessages(QEventLoop::AllEvents);
}

void WindowProgress::handleMessages(QEventLoop::ProcessEventsFlags flags) {
    showBars();
    if (beforePump) {
        beforePump();
    }
    QCoreApplication::processEvents(flags);
    m_lastPump = coarseMilliseconds();
}

// While the work runs the window repaints; what the user types or clicks waits, since a
// command could read what the work is changing.
void WindowProgress::runAside(const std::function<void()>& work) {
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    m_aside = true;
    if (!m_running && runningChanged) {
        runningChanged(true);  // the bars show until the operation finishes
    }
    m_running = true;
    while (done.wait_for(std::chrono::milliseconds(PumpIntervalMs)) != std::future_status::ready) {
        handleMessages(QEventLoop::ExcludeUserInputEvents);
    }
    worker.join();
    m_aside = false;
    showBars();
    done.get();  // an exception of the work goes on from here
}
