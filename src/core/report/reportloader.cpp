#include "report/reportloader.h"

#include "report/reportparser.h"
#include "ui/operationerror.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString WpcMessage = QStringLiteral(
    "The config file to be read has ASCII control characters that need to be removed.\r\n"
    "The control characters appear by saving an email received from Postrix.\r\n\r\n"
    "**** REMOVE THE HEADER SECTION CONTAINING THESE CHARACTERS. ****");

// The first line of the file, split as the lines are, holds "WPC". The letters are ASCII and
// no other byte decodes to an ASCII letter, so the bytes answer without decoding.
bool firstLineHasWpc(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;  // the read of the whole file reports it
    }
    QByteArray line;
    while (!file.atEnd()) {
        const QByteArray block = file.read(64 * 1024);
        if (block.isEmpty()) {
            break;
        }
        qsizetype end = 0;
        while (end < block.size() && block.at(end) != '\r' && block.at(end) != '\n') {
            ++end;
        }
        line += block.first(end);
        if (end < block.size()) {
            break;
        }
    }
    return line.contains("WPC");
}

}  // namespace

ReportLoader::ReportLoader(ServerModel& model, MainViews& views, UserDialogs& dialogs,
                           Progress& progress, ParseHooks& parseHooks, LoadStages& stages)
    : m_model(model),
      m_views(views),
      m_dialogs(dialogs),
      m_progress(progress),
      m_parseHooks(parseHooks),
      m_stages(stages) {}

QString ReportLoader::shownStage() const {
    return m_loading ? m_views.StatusPanels[0] : QString();
}

ReportLoader::Result ReportLoader::ReportLoad(bool startedByCompare) {
    if (m_loading) {
        return Result{};  // never a load inside a load
    }
    m_loading = true;
    Result result;
    try {
        result = run(startedByCompare);
    } catch (const OperationError& e) {
        // A failed load ends idle, as a finished one does: the progress ends (the stage it
        // reached stays in the views; a window shows no stage once the load is over).
        m_progress.finish();
        result.started = true;
        result.error = e.message();
        m_dialogs.error(e.message());
    }
    m_loading = false;
    return result;
}

ReportLoader::Result ReportLoader::run(bool startedByCompare) {
    Result result;
    result.started = true;
    m_openedByCommand = true;

    if (firstLineHasWpc(m_model.ConfigFileName)) {
        m_dialogs.error(WpcMessage);  // nothing reset: the previous report stays on screen
        result.error = WpcMessage;
        return result;
    }

    ResetReportViews();
    m_views.StatusPanels[0] = QStringLiteral("Loading File...");
    m_progress.pumpEvents();
    // Reading and decoding a big file cannot stop for the window: it runs aside.
    bool readable = false;
    qint64 size = 0;
    ReportText lines;
    const QString path = m_model.ConfigFileName;
    m_progress.runAside([&] {
        readable = ReportText::read(path, lines, size);
        if (!readable) {
            size = QFileInfo(path).size();
        }
    });
    if (!readable) {
        m_dialogs.error(QStringLiteral("[DEBUG ConfigText.Lines.LoadFromFile]"));
        m_dialogs.error(QStringLiteral("[DEBUG OConfigText.LoadFromFile]"));
    }
    // Both viewers read the file with the same reader, so their line counts agree.
    const qsizetype lineCount = lines.size();
    m_model.ReportLines = std::move(lines);
    m_model.ActualLineCount = int(lineCount);
    m_views.StatusPanels[2] = QString::number(size / 1024) + QStringLiteral("kb");
    if (!m_configTextPageCurrent) {
        m_views.StatusPanels[5].clear();
    }
    m_views.Caption =
        MainViews::BaseCaption + QStringLiteral(":  ") + m_model.ConfigFileName.toUpper();
    m_views.StatusPanels[1] = QString::number(lineCount) + QStringLiteral(" lines");
    m_views.PatchListBoxVisible = true;
    m_progress.pumpEvents();

    m_views.StatusPanels[0] = QStringLiteral("Parsing File...");
    ReportParser parser(m_model, m_views, m_parseHooks, m_progress);
    if (!m_keepReportText) {
        parser.releaseTextAfterReading();
    }
    parser.ParseReport(startedByCompare);
    m_views.StatusPanels[0] = QStringLiteral("Checking Patches...");
    m_progress.pumpEvents();
    m_stages.VerifyPatches();
    if (!m_model.HasPatchKitList) {
        m_views.PatchListBoxVisible = false;
    }
    m_views.StatusPanels[0] = QStringLiteral("Suggestions...");
    m_progress.pumpEvents();
    m_stages.BuildSuggestions();

    m_progress.finish();
    m_views.StatusPanels[0].clear();
    finishChecks(startedByCompare, lineCount);
    result.completed = true;
    return result;
}

void ReportLoader::finishChecks(bool startedByCompare, qsizetype linesRead) {
    if (!startedByCompare && m_includeDifferences) {
        m_dialogs.inform(QStringLiteral(
            "Differences from the Compare function will not be included.\r\n\r\n"
            "You must use the Compare button on the Compare tab page\r\nto use this feature."));
        m_includeDifferences = false;
    }
    const int actual = m_model.ActualLineCount;
    const int read = int(linesRead);
    if (actual - read > actual * 0.2) {
        m_dialogs.warn(
            QStringLiteral(
                "Not all lines in the config file just opened have been read successfully.\r\n"
                "This is due to ASCII characters in the file that should not be there.\r\n"
                "Remove these characters and reopen the file in Cartovex.\r\n"
                "                            (Actual lines: ") +
            QString::number(actual) + QStringLiteral(", Lines read: ") + QString::number(read) +
            u')');
    }
    if (m_model.EngineType.contains(QLatin1String("IOENGINE")) ||
        m_model.EngineType.contains(QLatin1String("MSENGINE"))) {
        m_dialogs.error(QStringLiteral(
            "PAIRNODE configs are not supported!\r\nInformation reported will be incorrect."));
    } else if (m_model.ModuleListingCount > 1) {
        m_dialogs.warn(QStringLiteral(
            "There is more than one unique config listing in the config file just read.\r\n"
            "This is due to the config.txt file being appended rather than overwritten.\r\n"
            "The config file must only contain one config listing for accurate information."));
    }
}

void ReportLoader::ResetReportViews() {
    m_views.PartialMatchesBtn = false;
    m_model.ReportLines.clear();
    m_model.ActualLineCount = 0;
    m_model.StartupDxs.clear();
    m_model.AutoexecDxs.clear();
    m_model.DosAutoexecDxs.clear();
    m_model.ConfigSys.clear();
    m_model.AutoexecBat.clear();
    m_model.Suggestions.clear();
    m_model.PatchEntries.clear();
    m_stages.resetOwnedViews();
    m_views.VolCountLabel.clear();
    m_views.VolListBox.clear();
    m_views.IntListBox.clear();
    m_views.Caption = MainViews::BaseCaption;
    m_views.SuggestionGroupBox = QStringLiteral("Suggestions");
    m_views.PatchesLabel = QStringLiteral("Patches");
    m_views.OtherDXPLabel = QStringLiteral("Other DXPs");
    m_views.StatusPanels.fill(QString());
    m_views.ServNameEdit.clear();
    m_views.OSVerEdit.clear();
    m_views.EngTypeEdit.clear();
    m_views.IntNetEdit.clear();
    m_views.TotMemEdit.clear();
    m_views.LicEdit.clear();
    m_views.ConfigDateLabel.clear();
    m_views.ConfigDXPLabel.clear();
    for (QString* field : {&m_model.OSVersion, &m_model.EngineType, &m_model.InternalNetAddr,
                           &m_model.TotalMemory, &m_model.ServerName, &m_model.LicensedConnections,
                           &m_model.ConfigCreated, &m_model.ProducedBy}) {
        field->clear();
    }
}
