#pragma once

#include "text/memoryhints.h"

#include <QtGlobal>
#include <atomic>
#include <thread>

class ReportText;

// The character summaries (see LineMarker) of every line of a big report, made on a thread of
// their own ahead of the parse that reads them: summarising every character of every line is
// a fifth of the parse and needs nothing but the lines, which nobody changes during a parse.
// The thread publishes how many lines it has summarised after each batch; a reader asks for a
// line only below that count and summarises the others itself.
class LineSummaries {
  public:
    // Starts the thread when the text has enough lines to pay for it (and a thread is to be
    // had); otherwise no summary is ever made here.
    explicit LineSummaries(const ReportText& text);
    // Stops the thread where it is and waits for it.
    ~LineSummaries();
    LineSummaries(const LineSummaries&) = delete;
    LineSummaries& operator=(const LineSummaries&) = delete;

    // How many lines, from the first on, have their summary ready; after it has returned n,
    // summary(i) may be read for every i < n.
    int ready() const { return m_ready.load(std::memory_order_acquire); }
    quint64 summary(int i) const { return m_summaries[std::size_t(i)]; }
    // Stops the thread and waits for it, before the text goes.
    void stop();

  private:
    void run(const ReportText& text);

    memoryhints::Block<quint64> m_summaries;
    std::atomic<int> m_ready{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;  // last: it starts once the rest is set
};
