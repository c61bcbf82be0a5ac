#pragma once

#include "abendlog/abendentry.h"
#include "ui/progress.h"

#include <QList>
#include <QStringList>
#include <functional>

// Finds the entries of an abend log: a line containing " halted " opens one (server name,
// date and time, and the reason from the next line); a "Running process: " line gives the
// latest entry its process and the creator found on one of the two lines below. Every other
// line is skipped, so unexpected text never stops the scan. One pass, linear in the text.
class AbendScanner {
  public:
    // onCount is told the new count each time an entry is found.
    AbendScanner(Progress& progress, std::function<void(int)> onCount);

    QList<AbendEntry> ScanAbendEntries(const QStringList& lines);

    // The entry that a halted line and the line after it describe (StartLine not set).
    static AbendEntry haltedEntry(const QString& line, const QString& next);
    // process " (" creator ")" for the "Running process: " line i.
    static QString runningProcess(const QStringList& lines, qsizetype i);

  private:
    Progress& m_progress;
    std::function<void(int)> m_onCount;
};
