#pragma once

#include "text/linearena.h"

#include <QLatin1String>
#include <QtGlobal>
#include <vector>

// A line of a sorted list waiting to be sorted: its first eight collation ranks packed in one
// number, which decide most comparisons without touching its characters, where its one-byte
// characters lie, and its place among the lines added.
struct SortItem {
    quint64 prefix;
    const char* data;
    qint32 size;
    quint32 index;

    QLatin1String text() const { return QLatin1String(data, size); }
};

// Lines added to a sorted list and not yet sorted: their characters, and each line ready for
// the sort, in the order they came in. A copy keeps copies of the characters.
struct DeferredLines {
    LineArena chars;
    std::vector<SortItem> items;

    DeferredLines() = default;
    DeferredLines(const DeferredLines& other) {
        items.reserve(other.items.size());
        for (SortItem item : other.items) {
            item.data = chars.keep(item.text()).data();
            items.push_back(item);
        }
    }
    DeferredLines& operator=(const DeferredLines& other) {
        if (this != &other) {
            DeferredLines copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    DeferredLines(DeferredLines&&) noexcept = default;
    DeferredLines& operator=(DeferredLines&&) noexcept = default;

    bool empty() const { return items.empty(); }
    void clear() {
        items = {};
        chars.clear();
    }
};
