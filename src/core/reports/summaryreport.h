#pragma once

#include "compare/comparison.h"
#include "model/mainviews.h"
#include "model/servermodel.h"
#include "reports/summarydocument.h"
#include "ui/progress.h"
#include "ui/userdialogs.h"

#include <QDateTime>
#include <functional>

// The Print and Copy commands of the summary report: the refusal without a loaded report, the
// offer to include the compare differences, and the two forms built from the suggestions as
// they then stand. The window supplies the print dialog, the printing and the clipboard; the
// command line and the tests read clipboardLines() and printedDocument() directly.
class SummaryReport {
  public:
    using ChoosePrinter = std::function<bool()>;  // the print dialog; false when cancelled
    // The preparing window and the job; a job that fails throws OperationError with its message.
    using Print = std::function<void(const PrintedDocument&)>;
    using SetClipboard = std::function<void(const QString&)>;

    SummaryReport(ServerModel& model, MainViews& views, Comparison& comparison,
                  UserDialogs& dialogs, Progress& progress);

    // The clock of the title block; the local clock unless a test sets another.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

    QStringList clipboardLines() const;
    QString clipboardText() const;  // the lines joined by CR LF
    PrintedDocument printedDocument() const;

    // Both return true when the report was printed or copied.
    bool PrintSummaryReport(const ChoosePrinter& choosePrinter, const Print& print);
    bool CopySummaryReport(const SetClipboard& setClipboard);

  private:
    SummaryInput input() const;
    bool refuseWithoutReport();
    void offerCompareDifferences();

    ServerModel& m_model;
    MainViews& m_views;
    Comparison& m_comparison;
    UserDialogs& m_dialogs;
    Progress& m_progress;
};
