#pragma once

#include "text/memoryhints.h"

#include <QtGlobal>
#include <atomic>
#include <thread>

class ReportText;

// The character summaries (see LineMarker) of the lines of a big report, made on a thread of
// their own ahead of the parse that reads them: summarising every character of every line is
// a fifth of the parse and needs nothing but the lines, which nobody changes during a parse.
// The summaries wait in a ring of a fixed size: the thread publishes how many lines it has
// summarised after each batch, and stays at most a ring ahead of the lowest line the reader
// says it may still ask for. The reader asks only for lines in between and summarises any
// other line itself.
class LineSummaries {
  public:
    // Starts the thread when the text has enough lines to pay for it (and a thread is to be
    // had); otherwise no summary is ever made here.
    explicit LineSummaries(const ReportText& text);
    // Stops the thread where it is and waits for it.
    ~LineSummaries();
    LineSummaries(const LineSummaries&) = delete;
    LineSummaries& operator=(const LineSummaries&) = delete;

    // How many lines, from the first on, have been summarised.
    int ready() const { return m_ready.load(std::memory_order_acquire); }
    // The summary of line i: once ready() has returned more than i, and as long as i is not
    // below the line last given to keepFrom().
    quint64 summary(int i) const { return m_ring[std::size_t(i) & (RingLines - 1)]; }
    // The reader will ask for no line below `line` any more: the thread may summarise up to a
    // ring beyond it.
    void keepFrom(int line);
    // Stops the thread and waits for it, before the text goes.
    void stop();

    static constexpr int RingLines = 256 * 1024;

  private:
    void run(const ReportText& text);

    memoryhints::Block<quint64> m_ring;
    std::atomic<int> m_ready{0};
    std::atomic<int> m_low{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;  // last: it starts once the rest is set
};
