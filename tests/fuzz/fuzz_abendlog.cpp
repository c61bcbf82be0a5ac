// The abend log scanner and the analysis of its entries on any log.

#include "fuzzsupport.h"

#include "engine/engine.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        const QString home = fuzzsupport::scratch();
        QFile::remove(home + "quarixdb.ini");
        return QFile::copy(QStringLiteral(CARTOVEX_FUZZ_DATABASE), home + "quarixdb.ini");
    }();
    fuzzsupport::require(ready, "the database is in place");
    static RecordingDialogs dialogs;
    static NullProgress progress;
    static Engine engine(dialogs, progress);
    static const bool created = engine.create();
    fuzzsupport::require(created, "the engine starts");

    dialogs.clear();
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
