#pragma once

#include "text/sortedtextlist.h"
#include "ui/progress.h"

#include <QStringList>

// The modules that were loaded when the server halted, read from the entry's "Loaded Modules:"
// block, split into fix modules and the others, and the server version among them.
namespace abendmodules {

// Walks the text from startLine: first to the line holding the key, then to "Loaded Modules:",
// then takes every module line until a line of ten asterisks. Each module is its file name
// padded to 12 characters followed by the whole version line below it (if that holds
// "Version"). The result is sorted, without duplicates.
SortedTextList CollectLoadedModules(const QStringList& text, int startLine, const QString& key,
                                    Progress& progress);
// Whether a line of the module block names a module.
bool isModuleLine(const QString& line);
// Entries naming FX.DXP, FIX.DXP, FX2.DXP or FIX2.DXP go to fix, the rest to other.
void SplitFixModules(const SortedTextList& loaded, SortedTextList& fix, SortedTextList& other);
// The four characters eight after "Version" in the first SERVER.DXP entry, trimmed; empty
// without such an entry or when it holds no "Version".
QString FindServerVersion(const SortedTextList& other);

}  // namespace abendmodules
