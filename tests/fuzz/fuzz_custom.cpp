// The custom-entry reader on any CARTOVEX.INI: the page's read and sync check, and the line
// scanners it is built on.

#include "fuzzsupport.h"

#include "engine/engine.h"
#include "patchdb/customentrylines.h"
#include "patchdb/databasesync.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Engine& engine = fuzzsupport::engine();
    const QByteArray bytes = fuzzsupport::bytes(data, size);
    const QStringList text = fuzzsupport::lines(bytes);
    for (const QString& name : {DatabaseSync::CustomEntries, DatabaseSync::CustomFileSets}) {
        for (const QString& line : customlines::sectionLines(text, name)) {
            customlines::keyOf(line);
            customlines::valueOf(line);
        }
        customlines::scanForReceivingSection(text, name);
    }
    fuzzsupport::writeFile("CARTOVEX.INI", bytes);
    CustomEntriesPage& page = engine.customPage();
    page.ReadCustomEntries();
    fuzzsupport::require(page.lstCustomDBEntries().size() <= text.size(),
                         "the entries are lines of the file");
    page.CheckSyncStatus();
    return 0;
}
