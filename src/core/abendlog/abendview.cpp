#include "abendlog/abendview.h"

const QString AbendView::BaseTitle = QStringLiteral("Analyze Daltrix 4.11 ABEND.LOG:");
const QString AbendView::CountPrefix = QStringLiteral("# of Abends Found: ");
const QString AbendView::ModulesPrefix = QStringLiteral("Modules Loaded: ");
const QString AbendView::AnalysisCaption = QStringLiteral("Analysis");
const std::array<QString, 3> AbendView::ColumnCaptions = {
    QStringLiteral("Abend Date/Time  [Server Name]"), QStringLiteral("Abend Message"),
    QStringLiteral("Running Process")};

const std::array<AbendView::FileFilter, 4> AbendView::OpenFilters = {{
    {QStringLiteral("Abend.log"), QStringLiteral("Abend.log")},
    {QStringLiteral("All log files (*.log)"), QStringLiteral("*.log")},
    {QStringLiteral("Text files (*.txt)"), QStringLiteral("*.txt")},
    {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")},
}};

void AbendView::clear() {
    title = BaseTitle;
    countLabel = CountPrefix;
    statusPanels = {};
    entries.clear();
    modulesLabel = ModulesPrefix;
    ModulesLoaded.clear();
    analysisHeading = AnalysisCaption;
    AbendAnalysis.clear();
    AbendFixModules.clear();
    AbendOtherModules.clear();
    AbendText.clear();
    fileText.clear();
    selectionKey.clear();
    selectionStart = -1;
}
