#pragma once

#include "model/mainviews.h"
#include "model/servermodel.h"
#include "report/parsehooks.h"
#include "ui/progress.h"

class ParseContext;

// Reads the lines of a configuration report (the model's ReportLines) into the server model
// in one forward pass. Each kind of information is found by the recogniser that owns it; they
// all look at every line. A conversion error ends the parse with OperationError; what was
// filled up to that line stays.
class ReportParser {
  public:
    ReportParser(ServerModel& model, MainViews& views, ParseHooks& hooks, Progress& progress);

    void ParseReport(bool startedByCompare);
    // Frees the report's text once every line has been read, before the module lists are
    // sorted: for a caller that never shows the text (the command line).
    void releaseTextAfterReading() { m_releaseText = true; }

  private:
    void prepare();
    void afterLoop(ParseContext& ctx, bool disksOrLanDone);
    void showCounts();

    ServerModel& m_model;
    MainViews& m_views;
    ParseHooks& m_hooks;
    Progress& m_progress;
    bool m_releaseText = false;
};
