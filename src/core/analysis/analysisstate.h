#pragma once

#include "text/sortedtextlist.h"

#include <QStringList>

// One out-of-date core module: the version the report shows, the current one, and the file that
// brings the update (empty when the database names none).
struct OutOfDateModule {
    QString module;
    QString found;
    QString current;
    QString updateFile;
};

// What the analysis of the open report found beyond the suggestions: the patch set
// verification's lists, the out-of-date modules that the module view shows in red, the
// drivers, and the update files that bring the current versions.
struct AnalysisState {
    // The patch set verification.
    QStringList KnownPatchSets;         // set names in verification order
    QStringList SetEntries;             // module names of the set under test
    SortedTextList MatchedPatches;      // loaded patches matched to the set under test
    SortedTextList CompleteSetPatches;  // loaded patches of a complete set
    SortedTextList PartialSetPatches;   // of a partial set and of no complete set
    SortedTextList UnassignedPatches;   // of no set
    // OPatchListBox: every loaded patch once; those of a complete set end in ":" + colour.
    SortedTextList PatchAnalysisList;
    QStringList CompleteSets;    // " • " + set name, one per complete set
    QStringList PartialMatches;  // PartialMatchesListBox

    QStringList OutOfDateModules;             // names as the report writes them, one per finding
    QList<OutOfDateModule> OutOfDateDetails;  // the same findings with their versions
    QStringList DriverList;  // OtherModules entries that name drivers (4.1x servers)
    // lstFilesSuggested: update file names, sorted, no two equal; kept across loads.
    SortedTextList FilesSuggested{true, Qt::CaseSensitive};

    // The parse start and the load reset empty what belongs to the previous report, the
    // patch set views included.
    void clearForParse() {
        CompleteSets.clear();
        PartialMatches.clear();
        MatchedPatches.clear();
        CompleteSetPatches.clear();
        PartialSetPatches.clear();
        UnassignedPatches.clear();
        PatchAnalysisList.clear();
        OutOfDateModules.clear();
        OutOfDateDetails.clear();
        DriverList.clear();
    }
};
