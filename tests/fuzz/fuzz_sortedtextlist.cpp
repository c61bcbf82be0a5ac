// The sorted text list on any lines: its order and its duplicate rule are the collator's,
// whichever way the list compares them.

#include "fuzzsupport.h"

#include "text/sortedtextlist.h"

#include <QCollator>
#include <QLocale>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::English, QLocale::UnitedStates)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    const QStringList lines = fuzzsupport::lines(fuzzsupport::bytes(data, size));
    SortedTextList unique;
    SortedTextList repeats(false);
    SortedTextList deferred;
    for (const QString& line : lines) {
        deferred.addDeferred(line);
        unique.add(line);
        repeats.add(line);
        fuzzsupport::require(unique.contains(line), "an added line is found");
    }
    fuzzsupport::require(repeats.size() == lines.size(), "every line is kept with repeats");
    const QStringList& sorted = unique.lines();
    fuzzsupport::require(deferred.lines() == sorted, "a deferred check keeps the same lines");
    for (qsizetype k = 1; k < sorted.size(); ++k) {
        const int c = collator.sortKey(sorted.at(k - 1)).compare(collator.sortKey(sorted.at(k)));
        fuzzsupport::require(c < 0, "unique lines ascend");
    }
    const QStringList& all = repeats.lines();
    for (qsizetype k = 1; k < all.size(); ++k) {
        const int c = collator.sortKey(all.at(k - 1)).compare(collator.sortKey(all.at(k)));
        fuzzsupport::require(c <= 0, "lines with repeats do not descend");
    }
    return 0;
}
