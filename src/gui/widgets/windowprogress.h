#pragma once

#include "ui/progress.h"

#include <QElapsedTimer>
#include <QList>
#include <functional>

class QProgressBar;

// Progress of a long operation on the window's progress bars, and the throttled handling of
// pending window messages: at most every 15 ms, so a report of a million lines loads fast
// and the window still repaints and takes clicks.
class WindowProgress : public Progress {
  public:
    static constexpr int PumpIntervalMs = 15;

    void addBar(QProgressBar* bar) { m_bars << bar; }
    // Told when an operation starts (true) and ends (false), to show and hide its bar.
    std::function<void(bool running)> runningChanged;

    void start(int maximum) override;
    void step() override;
    void finish() override;
    void pumpEvents() override;

  private:
    QList<QProgressBar*> m_bars;
    QElapsedTimer m_sincePump;
};
