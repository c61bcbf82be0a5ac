// The report parser and the whole load pipeline on any bytes, with the example's database:
// every input loads or ends with an error message, never a crash.

#include "fuzzsupport.h"

#include "engine/engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Engine& engine = fuzzsupport::engine();
    const QString path = fuzzsupport::writeFile("config.txt", fuzzsupport::bytes(data, size));
    const ReportLoader::Result result = engine.openReport(path);
    fuzzsupport::require(result.started, "a load starts");
    fuzzsupport::require(result.completed || !result.error.isNull(),
                         "a load completes or names its error");
    return 0;
}
