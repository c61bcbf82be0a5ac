// The abend log scanner and the analysis of its entries on any log.

#include "fuzzsupport.h"

#include "engine/engine.h"

#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Engine& engine = fuzzsupport::engine();
    const QString path = fuzzsupport::writeFile("ABEND.LOG", fuzzsupport::bytes(data, size));
    AbendLog& log = engine.abendLog();
    log.openLogFile(path);
    // The first two entries, the last, and one index past the end, which must be ignored
    // (each analysis reads the database afresh, so more entries would only slow the search).
    const int entries = int(log.view().entries.size());
    for (const int k : std::set<int>{0, 1, entries - 1, entries}) {
        if (k >= 0) {
            log.analyzeEntry(k);
        }
    }
    return 0;
}
