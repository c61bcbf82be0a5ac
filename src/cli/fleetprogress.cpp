#include "fleetprogress.h"

#include <unistd.h>
#include <QDeadlineTimer>
#include <cstdio>

FleetProgress::FleetProgress(int total)
    : m_total(total), m_terminal(::isatty(2) == 1), m_rowsOnTerminal(::isatty(1) == 1) {}

void FleetProgress::beforeRow() {
    if (m_rowsOnTerminal) {
        clear();
    }
}

void FleetProgress::step() {
    ++m_done;
    const long long now = QDeadlineTimer::current().deadline();
    if (!m_terminal || (m_shown && now - m_lastDraw < 100 && m_done < m_total)) {
        return;
    }
    m_lastDraw = now;
    std::fprintf(stderr, "\r%d of %d reports", m_done, m_total);
    std::fflush(stderr);
    m_shown = true;
}

void FleetProgress::clear() {
    if (m_shown) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        m_shown = false;
    }
}
