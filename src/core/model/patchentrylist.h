#pragma once

#include "text/sortedtextlist.h"

#include <QStringList>

// The server's patch entries with their ordering mode: sorted (ascending, case-insensitive,
// repeats kept, as the patch list view sorts) or report order. Switching to sorted sorts what
// is there; switching to report order keeps the present order. The mode survives a clear.
class PatchEntryList {
  public:
    enum class Order { Sorted, Report };

    void append(const QString& entry);
    // The same for an entry given one byte a character, put in its place when the list is next
    // read; false, adding nothing, unless the list is sorted and every character is tab or
    // printable ASCII.
    bool appendDeferred(QLatin1String entry);
    void clear();
    void setOrder(Order order);
    Order order() const { return m_order; }
    int size() const;
    bool isEmpty() const { return size() == 0; }
    const QStringList& lines() const;
    // A big sorted list built from one-byte entries alone keeps them so, in order (see
    // SortedTextList::compactLines()); otherwise null.
    std::shared_ptr<const LineArena> compactLines() const {
        return m_order == Order::Sorted ? m_sorted.compactLines() : nullptr;
    }
    // Calls f with each entry in order, as a QLatin1String of a one-byte entry or as the
    // entry's const QString&, without making the strings of a compact list.
    template <typename F>
    void forEachView(F&& f) const {
        if (m_order == Order::Sorted) {
            m_sorted.forEachView(f);
            return;
        }
        for (const QString& entry : m_report) {
            f(entry);
        }
    }

  private:
    Order m_order = Order::Sorted;
    SortedTextList m_sorted{false};
    QStringList m_report;
};
