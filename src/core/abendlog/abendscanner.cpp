#include "abendlog/abendscanner.h"

namespace {

const QString Halted = QStringLiteral(" halted ");
const QString Running = QStringLiteral("Running process: ");
const QString CreatedBy = QStringLiteral("Created by: ");
constexpr int MaxField = 255;

// Drops everything up to and including the first ":" and the character after it; a text
// without ":" keeps everything.
QString afterColon(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    return colon < 0 ? text : text.mid(colon + 2);
}

// Up to 255 characters after the marker in a line that contains it.
QString valueAfter(const QString& line, const QString& marker) {
    return line.mid(line.indexOf(marker) + marker.size(), MaxField);
}

}  // namespace

AbendScanner::AbendScanner(Progress& progress, std::function<void(int)> onCount)
    : m_progress(progress), m_onCount(std::move(onCount)) {}

AbendEntry AbendScanner::haltedEntry(const QString& line, const QString& next) {
    // "Server " (seven characters), the server name, " halted ", the date and time.
    const qsizetype p = line.indexOf(Halted);
    const QString server = p > 7 ? line.mid(7, p - 7) : QString();
    const QString dateTime = line.mid(p + Halted.size(), MaxField);
    AbendEntry entry;
    entry.DateTimeAndServer = dateTime + QStringLiteral("  [") + server + u']';
    entry.AbendMessage = afterColon(afterColon(next)).left(MaxField);
    return entry;
}

QString AbendScanner::runningProcess(const QStringList& lines, qsizetype i) {
    const QString process = valueAfter(lines.at(i), Running);
    QString creator;
    for (qsizetype k = i + 1; k <= i + 2 && k < lines.size(); ++k) {
        if (lines.at(k).contains(CreatedBy)) {
            creator = valueAfter(lines.at(k), CreatedBy);
            break;
        }
    }
    return process + QStringLiteral(" (") + creator + u')';
}

QList<AbendEntry> AbendScanner::ScanAbendEntries(const QStringList& lines) {
    QList<AbendEntry> entries;
    bool hasProcess = false;  // only the entry's first running process is shown
    const qsizetype n = lines.size();
    m_progress.start(int(n));
    for (qsizetype i = 0; i < n; ++i) {
        m_progress.step();
        m_progress.pumpEvents();
        const QString& line = lines.at(i);
        if (line.contains(Halted)) {
            AbendEntry entry = haltedEntry(line, lines.value(i + 1));
            entry.StartLine = int(i);
            entries.append(entry);
            hasProcess = false;
            if (m_onCount) {
                m_onCount(int(entries.size()));
            }
        } else if (line.contains(Running) && !entries.isEmpty() && !hasProcess) {
            entries.last().RunningProcess = runningProcess(lines, i);
            hasProcess = true;
        }
    }
    m_progress.finish();
    return entries;
}
