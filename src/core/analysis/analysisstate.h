#pragma once

#include "text/sortedtextlist.h"

#include <QStringList>

// What the analysis of the open report found beyond the suggestions: the out-of-date modules
// that the module view shows in red, and the update files that bring the current versions.
struct AnalysisState {
    QStringList OutOfDateModules;  // emptied at every parse start
    // lstFilesSuggested: update file names, sorted, no two equal; kept across loads.
    SortedTextList FilesSuggested{true, Qt::CaseSensitive};

    void clearForParse() { OutOfDateModules.clear(); }
};
