// The abend log scanner and the analysis of its entries on any log.

#include "fuzzsupport.h"

#include "engine/engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Engine& engine = fuzzsupport::engine();
    const QString path = fuzzsupport::writeFile("ABEND.LOG", fuzzsupport::bytes(data, size));
    AbendLog& log = engine.abendLog();
    log.openLogFile(path);
    // Each entry once, and one index past the end, which must be ignored.
    const int entries = int(log.view().entries.size());
    for (int k = 0; k <= std::min(entries, 8); ++k) {
        log.analyzeEntry(k);
    }
    return 0;
}
