#include "report/linesummaries.h"

#include "model/reporttext.h"
#include "report/linemarker.h"

#include <algorithm>
#include <limits>
#include <system_error>

namespace {

// From this many lines on a report's summaries are made on a thread of their own.
constexpr qsizetype ThreadFrom = 64 * 1024;

// Lines summarised between two reports of the count: the reader seldom has to look again.
constexpr int Batch = 2048;

}  // namespace

LineSummaries::LineSummaries(const ReportText& text) {
    if (text.size() < ThreadFrom || text.size() > std::numeric_limits<int>::max() - RingLines) {
        return;
    }
    std::size_t room = RingLines;
    try {
        m_ring = memoryhints::makeBlock<quint64>(room);
        m_thread = std::thread([this, &text] { run(text); });
    } catch (const std::bad_alloc&) {
        // no room: the reader summarises every line itself
    } catch (const std::system_error&) {
        // no thread to be had: the same
    }
}

LineSummaries::~LineSummaries() {
    stop();
}

void LineSummaries::keepFrom(int line) {
    m_low.store(line, std::memory_order_release);
    m_low.notify_one();
}

void LineSummaries::stop() {
    m_stop.store(true, std::memory_order_relaxed);
    keepFrom(std::numeric_limits<int>::max() - RingLines);  // a waiting thread wakes
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void LineSummaries::run(const ReportText& text) {
    const int count = int(text.size());
    quint64* const ring = m_ring.get();
    for (int from = 0; from < count; from += Batch) {
        const int to = std::min(count, from + Batch);
        // Line k takes the place of line k - RingLines, which the reader must be done with.
        for (int low = m_low.load(std::memory_order_acquire); to > low + RingLines;
             low = m_low.load(std::memory_order_acquire)) {
            m_low.wait(low, std::memory_order_acquire);
        }
        if (m_stop.load(std::memory_order_relaxed)) {
            return;
        }
        if (text.isWide()) {
            for (int i = from; i < to; ++i) {
                ring[std::size_t(i) & (RingLines - 1)] = LineMarker::maskOf(text.wideLine(i));
            }
        } else {
            for (int i = from; i < to; ++i) {
                ring[std::size_t(i) & (RingLines - 1)] = LineMarker::maskOf(text.lineBytes(i));
            }
        }
        m_ready.store(to, std::memory_order_release);
    }
}
