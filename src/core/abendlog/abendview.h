#pragma once

#include "abendlog/abendentry.h"
#include "text/sortedtextlist.h"

#include <QList>
#include <QStringList>
#include <array>

// Which of the two log views of the "Abend Log" page is visible: the line-oriented view of a
// log file, or the plain view of a report's abend section (none before the first scan).
enum class AbendTextView { None, File, Report };

// Everything the abend log window shows, as plain data filled by the engine. The window renders
// it after every operation (and when AbendLog::countChanged fires during a scan) and keeps no
// rule of its own; the command line prints the same texts.
struct AbendView {
    static const QString BaseTitle;        // "Analyze Daltrix 4.11 ABEND.LOG:"
    static const QString CountPrefix;      // "# of Abends Found: "
    static const QString ModulesPrefix;    // "Modules Loaded: "
    static const QString AnalysisCaption;  // "Analysis"
    static const std::array<QString, 3> ColumnCaptions;
    static constexpr std::array<int, 3> ColumnWidths{280, 180, 300};
    // The open dialog's filters, in order, as caption and pattern; the second is preselected.
    struct FileFilter {
        QString caption;
        QString pattern;
    };
    static const std::array<FileFilter, 4> OpenFilters;
    static constexpr int OpenFilterSelected = 1;

    QString title = BaseTitle;            // the window's caption
    QString countLabel = CountPrefix;     // lblTNumAbendsFound
    std::array<QString, 3> statusPanels;  // line count, size in K, cut notice
    std::array<int, 3> columnWidths = ColumnWidths;
    QList<AbendEntry> entries;             // lvwAbends, one row per entry
    QString modulesLabel = ModulesPrefix;  // lblTModulesLoaded
    SortedTextList ModulesLoaded;          // lstModulesLoaded: name padded to 12 + version line
    QString analysisHeading = AnalysisCaption;  // pnlAnalysis
    QStringList AbendAnalysis;                  // lstAbendAnalysis
    // The analysed entry's modules split for the comparison; not shown.
    SortedTextList AbendFixModules;
    SortedTextList AbendOtherModules;

    AbendTextView textView = AbendTextView::None;
    // The lines being analysed: the (possibly cut) log file, or the report's abend section; the
    // report view (mmoAbendLog) shows these lines.
    QStringList AbendText;
    // The file view (OmmoAbendLog): the log file's text as read, or as cut.
    QString fileText;
    // The text the last analysis searched for in the file view (ignoring case), and where its
    // first match starts (-1 when none; the selection then stays at the top, caret on line 1).
    QString selectionKey;
    qsizetype selectionStart = -1;
    bool busy = false;  // the busy cursor shows while true

    // Empties the texts, lists and views and restores the captions; the visible text view and
    // the column widths stay as they are.
    void clear();
};
