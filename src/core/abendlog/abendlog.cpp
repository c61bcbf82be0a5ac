#include "abendlog/abendlog.h"

#include "abendlog/abendcorecheck.h"
#include "abendlog/abendmodules.h"
#include "abendlog/abendscanner.h"
#include "abendlog/abendtext.h"
#include "text/codepage.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 CutKilobytes = 100;
constexpr qsizetype KeptLines = 1200;

// Shows the busy cursor for the life of an operation, also when it ends with an error.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& m_busy;
};

QString titleFor(const QString& path) {
    return AbendView::BaseTitle + QStringLiteral("  ") + QFileInfo(path).absoluteFilePath();
}

}  // namespace

const QString AbendLog::CutQuestion = QStringLiteral(
    "Analyze only last 64K of log file (recommended)?\r\nThese are the most recent "
    "abends.");
const QString AbendLog::ReportRefusal = QStringLiteral(
    "No further information available since this Abend.log was read from a config.txt "
    "file.\r\nThe Abend.log information included in config.txt files are not complete "
    "Abend.log\r\nfiles and contain summarized data only.  The complete Abend.log file is a "
    "seperate file\r\nexisting in the SYS:\\SYSTEM directory and is written to when abends "
    "occur.\r\n\r\nYou can still use this summarized Abend.log info to look for patterns among "
    "abends.");

AbendLog::AbendLog(ServerModel& model, PatchDatabaseManager& manager, UserDialogs& dialogs,
                   Progress& progress)
    : m_model(model), m_manager(manager), m_dialogs(dialogs), m_progress(&progress) {}

void AbendLog::ClearAbendView() {
    m_view.clear();
    if (viewCleared) {
        viewCleared();
    }
}

QString AbendLog::openLogFile(const QString& path) {
    m_model.HasAbendLog = false;
    ClearAbendView();
    m_view.title = titleFor(path);
    BusyScope busy(m_view.busy);
    m_view.columnWidths = AbendView::ColumnWidths;
    m_view.statusPanels[0].clear();
    QString error;
    qint64 size = 0;
    if (!readLogFile(path, error, size)) {
        m_dialogs.error(error);
        return error;
    }
    KeepRecentAbends(size);
    ScanAbendEntries();
    return {};
}

bool AbendLog::readLogFile(const QString& path, QString& error, qint64& size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    m_view.statusPanels[0] = QStringLiteral("Loading...");
    m_progress->pumpEvents();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        m_view.statusPanels[0].clear();
        return false;
    }
    size = bytes.size();
    m_view.fileText = codepage::decode(bytes);
    bytes = QByteArray();  // a big log need not stay a third time while it is split
    m_view.AbendText = abendtext::splitLines(m_view.fileText);
    m_view.textView = AbendTextView::File;
    ShowLogSize(size);
    return true;
}

void AbendLog::ShowLogSize(qint64 size) {
    m_view.statusPanels[0] = QString::number(m_view.AbendText.size()) + QStringLiteral(" lines");
    m_view.statusPanels[1] = QString::number(size / 1024) + u'K';
    m_view.statusPanels[2].clear();
}

void AbendLog::KeepRecentAbends(qint64 size) {
    const qsizetype lines = m_view.AbendText.size();
    if (size / 1024 <= CutKilobytes || lines <= KeptLines ||
        !m_dialogs.askYesNo(MessageKind::Confirmation, CutQuestion)) {
        return;
    }
    // From the start of line N - 1200 (counted from 1) to the end of the text, so the tail of
    // a log without a final line break is kept too. The clipboard is left alone.
    const qsizetype first = lines - KeptLines - 1;
    m_view.fileText = m_view.fileText.mid(abendtext::lineStart(m_view.fileText, first));
    // The same lines as AbendText.mid(first), split afresh so that they share the kept text
    // and the whole log's text is freed.
    m_view.AbendText = abendtext::splitLines(m_view.fileText);
    m_view.selectionStart = -1;
    m_view.statusPanels[2] =
        QString::number(m_view.AbendText.size()) + QStringLiteral(" lines after 64K adjustment");
}

void AbendLog::activate() {
    if (m_model.HasAbendLog && m_view.entries.isEmpty()) {
        AnalyzeReportAbendLog();
    }
}

void AbendLog::AnalyzeReportAbendLog() {
    ClearAbendView();
    m_view.title = titleFor(m_model.ConfigFileName);
    BusyScope busy(m_view.busy);
    m_view.columnWidths = AbendView::ColumnWidths;
    m_view.statusPanels[0].clear();
    m_view.textView = AbendTextView::Report;
    m_view.AbendText = m_model.AbendLogLines;
    ScanAbendEntries();
}

void AbendLog::ScanAbendEntries() {
    AbendScanner scanner(*m_progress, [this](int count) {
        m_view.countLabel = AbendView::CountPrefix + QString::number(count);
        if (countChanged) {
            countChanged();
        }
    });
    m_view.entries = scanner.ScanAbendEntries(m_view.AbendText);
    m_view.countLabel = AbendView::CountPrefix + QString::number(m_view.entries.size());
}

void AbendLog::analyzeEntry(int index) {
    if (m_model.HasAbendLog) {
        m_dialogs.inform(ReportRefusal);
        return;
    }
    if (index < 0 || index >= m_view.entries.size()) {
        return;
    }
    BusyScope busy(m_view.busy);
    const AbendEntry entry = m_view.entries.at(index);
    const qsizetype bracket = entry.DateTimeAndServer.indexOf(u'[');
    const QString key = entry.DateTimeAndServer.left(qMax<qsizetype>(0, bracket - 2));
    m_view.selectionKey = key;
    m_view.selectionStart = m_view.fileText.indexOf(key, 0, Qt::CaseInsensitive);
    m_view.AbendAnalysis.clear();
    m_view.ModulesLoaded =
        abendmodules::CollectLoadedModules(m_view.AbendText, entry.StartLine, key, *m_progress);
    m_view.modulesLabel = AbendView::ModulesPrefix + QString::number(m_view.ModulesLoaded.size());
    m_view.analysisHeading = QStringLiteral("Analysis (ABEND on ") + entry.DateTimeAndServer + u')';
    AnalyzeAbend();
}

void AbendLog::AnalyzeAbend() {
    abendmodules::SplitFixModules(m_view.ModulesLoaded, m_view.AbendFixModules,
                                  m_view.AbendOtherModules);
    m_manager.ReadCoreModuleList();
    const QString serverVersion = abendmodules::FindServerVersion(m_view.AbendOtherModules);
    const CoreModulePage& core = m_manager.corePage();
    DatabaseSelection& databases = m_manager.databases();
    const AbendCoreCheck::Inputs inputs{core.keys(), core.CoreVersions(), m_manager.FileSetKeys(),
                                        databases.CurrentDatabase(), databases.controlled()};
    m_view.AbendAnalysis = AbendCoreCheck(inputs, *m_progress)
                               .CheckAbendCoreModules(m_view.AbendOtherModules, serverVersion);
    if (m_view.AbendAnalysis.isEmpty()) {
        m_view.AbendAnalysis.append(ServerModel::Bullet +
                                    QStringLiteral("No suggestions at this time."));
    }
}
