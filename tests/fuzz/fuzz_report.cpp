// The report parser and the whole load pipeline on any bytes, with the example's database:
// every input loads or ends with an error message, never a crash.

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
    const QString path = fuzzsupport::writeFile("config.txt", fuzzsupport::bytes(data, size));
    const ReportLoader::Result result = engine.openReport(path);
    fuzzsupport::require(result.started, "a load starts");
    fuzzsupport::require(result.completed || !result.error.isNull(),
                         "a load completes or names its error");
    return 0;
}
