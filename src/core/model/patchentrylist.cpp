#include "model/patchentrylist.h"

void PatchEntryList::append(const QString& entry) {
    if (m_order == Order::Sorted) {
        m_sorted.add(entry);
    } else {
        m_report.append(entry);
    }
}

bool PatchEntryList::appendDeferred(QLatin1String entry) {
    return m_order == Order::Sorted && m_sorted.addDeferred(entry);
}

void PatchEntryList::clear() {
    m_sorted.clear();
    m_report.clear();
}

void PatchEntryList::setOrder(Order order) {
    if (order == m_order) {
        return;
    }
    if (order == Order::Sorted) {
        for (const QString& entry : std::as_const(m_report)) {
            m_sorted.add(entry);
        }
        m_report.clear();
    } else {
        m_report = m_sorted.lines();
        m_sorted.clear();
    }
    m_order = order;
}

int PatchEntryList::size() const {
    return m_order == Order::Sorted ? m_sorted.size() : int(m_report.size());
}

const QStringList& PatchEntryList::lines() const {
    return m_order == Order::Sorted ? m_sorted.lines() : m_report;
}
