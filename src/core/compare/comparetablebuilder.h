#pragma once

#include "compare/comparetable.h"
#include "model/serversnapshot.h"
#include "ui/progress.h"

// Fills the compare table from the two snapshots: the server names and counts, the three key
// modules, the complete patch sets side by side, the module walk, and the difference marks.
// compactModuleLines (of the current report) decides the width of module texts for both sides.
class CompareTableBuilder {
  public:
    CompareTableBuilder(CompareTable& table, Progress& progress);

    void BuildCompareTable(const ServerSnapshot& baseline, const ServerSnapshot& compare,
                           bool compactModuleLines);

  private:
    void addCounts(const ServerSnapshot& baseline, const ServerSnapshot& compare);
    void addKeyModules(const ServerSnapshot& baseline, const ServerSnapshot& compare, bool compact);
    void addSets(const ServerSnapshot& baseline, const ServerSnapshot& compare);
    void mark(int firstModuleRow);

    CompareTable& m_table;
    Progress& m_progress;
};
