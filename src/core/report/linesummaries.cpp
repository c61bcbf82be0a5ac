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
    if (text.size() < ThreadFrom || text.size() > std::numeric_limits<int>::max()) {
        return;
    }
    try {
        m_thread = std::thread([this, &text] { run(text); });
    } catch (const std::system_error&) {
        // no thread to be had: the reader summarises every line itself
    }
}

LineSummaries::~LineSummaries() {
    stop();
}

void LineSummaries::stop() {
    m_stop.store(true, std::memory_order_relaxed);
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void LineSummaries::run(const ReportText& text) {
    const int count = int(text.size());
    std::size_t room = std::size_t(count);
    try {
        // Made here, so that backing its pages costs this thread's time, not the reader's.
        m_summaries = memoryhints::makeBlock<quint64>(room);
    } catch (const std::bad_alloc&) {
        return;  // the reader summarises every line itself
    }
    quint64* const out = m_summaries.get();
    for (int from = 0; from < count && !m_stop.load(std::memory_order_relaxed); from += Batch) {
        const int to = std::min(count, from + Batch);
        if (text.isWide()) {
            for (int i = from; i < to; ++i) {
                out[i] = LineMarker::maskOf(text.wideLine(i));
            }
        } else {
            for (int i = from; i < to; ++i) {
                out[i] = LineMarker::maskOf(text.lineBytes(i));
            }
        }
        m_ready.store(to, std::memory_order_release);
    }
}
