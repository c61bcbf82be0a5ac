// The patch kit scanner on any text: the names it finds are patch module names of the kit.

#include "fuzzsupport.h"

#include "patchdb/patchkitimport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = fuzzsupport::lines(fuzzsupport::bytes(data, size));
    const QStringList names = PatchKitImport::scanKit(lines, nullptr);
    for (const QString& name : names) {
        fuzzsupport::require(!name.isEmpty() && name.size() <= 16, "a found name is a name");
    }
    for (const QString& line : lines) {
        PatchKitImport::patchModuleIn(line);
    }
    return 0;
}
