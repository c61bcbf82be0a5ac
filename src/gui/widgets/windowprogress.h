#pragma once

#include "ui/progress.h"

#include <QEventLoop>
#include <QList>
#include <functional>

class QProgressBar;

// Progress of a long operation on the window's progress bars, and the throttled handling of
// pending window messages: at most every 15 ms, so a report of a million lines loads fast
// and the window still repaints and takes clicks. A step only counts; the bars show the count
// when the messages are handled, since moving a bar costs far more than a parsed line.
class WindowProgress : public Progress {
  public:
    static constexpr int PumpIntervalMs = 15;

    void addBar(QProgressBar* bar) { m_bars << bar; }
    // Told when an operation starts (true) and ends (false), to show and hide its bar.
    std::function<void(bool running)> runningChanged;
    // Told before pending messages are handled, to show what the operation has done so far.
    std::function<void()> beforePump;

    void start(int maximum) override;
    void step() override;
    void advance(int steps) override { m_value += steps; }
    void finish() override;
    void pumpEvents() override;
    void runAside(const std::function<void()>& work) override;

  private:
    void showBars();
    void handleMessages(QEventLoop::ProcessEventsFlags flags);

    QList<QProgressBar*> m_bars;
    int m_value = 0;
    int m_maximum = 1;
    bool m_running = false;
    bool m_aside = false;  // work runs on the second thread
    qint64 m_lastPump = -PumpIntervalMs;
};
