#include "reports/summaryreport.h"

#include "ui/operationerror.h"

SummaryReport::SummaryReport(ServerModel& model, MainViews& views, Comparison& comparison,
                             UserDialogs& dialogs, Progress& progress)
    : m_model(model),
      m_views(views),
      m_comparison(comparison),
      m_dialogs(dialogs),
      m_progress(progress) {}

SummaryInput SummaryReport::input() const {
    return {m_model.Suggestions, m_views.ServNameEdit, m_views.OSVerEdit, m_model.ConfigFileName,
            summarydocument::dateTimeText(clock())};
}

QStringList SummaryReport::clipboardLines() const {
    return summarydocument::clipboardLines(input());
}

QString SummaryReport::clipboardText() const {
    return clipboardLines().join(QStringLiteral("\r\n"));
}

PrintedDocument SummaryReport::printedDocument() const {
    return summarydocument::printedDocument(input());
}

bool SummaryReport::refuseWithoutReport() {
    if (!m_views.ServNameEdit.isEmpty()) {
        return false;
    }
    m_dialogs.error(QStringLiteral("No config file has been read!"));
    return true;
}

void SummaryReport::offerCompareDifferences() {
    const ServerSnapshot& compared = m_comparison.compared();
    if (m_comparison.includeCompareDifferences() || compared.isEmpty() ||
        compared.ServerName.trimmed() != m_model.ServerName.trimmed()) {
        return;
    }
    if (m_dialogs.askYesNo(MessageKind::Confirmation,
                           QStringLiteral("Include Differences Found When Compared\r\n"
                                          "Against the Baseline Server (if available)?"))) {
        m_comparison.includeCheckBoxClicked(true);
    }
    m_progress.pumpEvents();
}

bool SummaryReport::PrintSummaryReport(const ChoosePrinter& choosePrinter, const Print& print) {
    if (refuseWithoutReport()) {
        return false;
    }
    offerCompareDifferences();
    if (!choosePrinter()) {
        return false;
    }
    try {
        print(printedDocument());
    } catch (const OperationError& e) {
        m_dialogs.error(e.message());  // a file that could not be written was not sent
        return false;
    }
    m_dialogs.inform(QStringLiteral("Print job sent to print queue."));
    return true;
}

bool SummaryReport::CopySummaryReport(const SetClipboard& setClipboard) {
    if (refuseWithoutReport()) {
        return false;
    }
    offerCompareDifferences();
    if (m_model.Suggestions.isEmpty()) {
        return false;
    }
    setClipboard(clipboardText());
    m_dialogs.inform(
        QStringLiteral("Suggestions have been copied to the Windows clipboard.\r\n\r\n"
                       "Use the Paste command to put the Cartovex Suggestions\r\n"
                       "(contents of clipboard) into any document or application."));
    return true;
}
