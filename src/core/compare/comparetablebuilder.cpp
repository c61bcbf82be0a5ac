#include "compare/comparetablebuilder.h"

#include "compare/modulewalk.h"
#include "text/caserules.h"

#include <array>

namespace {

const QString NotLoaded = QStringLiteral("<Not Loaded>");
const QString SetsCaption = QStringLiteral("Complete Patch Sets:");
const QString ModulesCaption = QStringLiteral("Non-Patch DXPs Loaded:");

QStringList countTexts(const ServerSnapshot& s) {
    return {QStringLiteral("Baseline Server: ") + s.ServerName,
            QStringLiteral("  Daltrix Version: ") + s.OSVersion,
            QStringLiteral("  # of Patches:    ") + QString::number(s.PatchTotal),
            QStringLiteral("  # of Other DXPs: ") + QString::number(s.ModuleTotal),
            QStringLiteral("  # of Patch Sets: ") + QString::number(s.SetTotal)};
}

// The versions of DS.DXP, CLIB.DXP and STREAMS.DXP as row texts; a later entry wins.
QStringList keyModuleTexts(const ServerSnapshot& s, bool compact) {
    std::array<QString, 3> versions{NotLoaded, NotLoaded, NotLoaded};
    for (const QString& entry : s.Modules) {
        const QString version = compact ? entry.mid(13, 8) : entry.mid(14, 14);
        if (entry.left(6) == QLatin1String("DS.DXP")) {
            versions[0] = version;
        } else if (entry.left(8) == QLatin1String("CLIB.DXP")) {
            versions[1] = version;
        } else if (entry.left(11) == QLatin1String("STREAMS.DXP")) {
            versions[2] = version;
        }
    }
    return {QStringLiteral("DS.DXP:      ") + versions[0],
            QStringLiteral("CLIB.DXP:    ") + versions[1],
            QStringLiteral("STREAMS.DXP: ") + versions[2]};
}

}  // namespace

CompareTableBuilder::CompareTableBuilder(CompareTable& table, Progress& progress)
    : m_table(table), m_progress(progress) {}

void CompareTableBuilder::BuildCompareTable(const ServerSnapshot& baseline,
                                            const ServerSnapshot& compare,
                                            bool compactModuleLines) {
    m_table.clear();
    m_progress.pumpEvents();
    m_table.leftHeader = QStringLiteral("Baseline Server: ") + baseline.ServerName;
    m_table.rightHeader = QStringLiteral("Compare Server: ") + compare.ServerName;
    addCounts(baseline, compare);
    addKeyModules(baseline, compare, compactModuleLines);
    addSets(baseline, compare);
    m_table.addRow();
    const int caption = m_table.addRow(ModulesCaption);
    m_table.setRow(caption, ModulesCaption);
    const int firstModuleRow = int(m_table.rows.size());
    m_progress.pumpEvents();
    ModuleWalk(m_table, compactModuleLines ? 21 : 28, m_progress)
        .run(baseline.Modules, compare.Modules);
    mark(firstModuleRow);
    m_progress.pumpEvents();
}

void CompareTableBuilder::addCounts(const ServerSnapshot& baseline, const ServerSnapshot& compare) {
    for (const QString& text : countTexts(baseline)) {
        m_table.addRow(text);
    }
    m_table.addRow();
    const QStringList right = countTexts(compare);
    for (int k = 0; k < int(right.size()); ++k) {
        m_table.setRow(k, right.at(k));
    }
}

void CompareTableBuilder::addKeyModules(const ServerSnapshot& baseline,
                                        const ServerSnapshot& compare, bool compact) {
    const int first = int(m_table.rows.size());
    for (const QString& text : keyModuleTexts(baseline, compact)) {
        m_table.addRow(text);
    }
    m_table.addRow();
    const QStringList right = keyModuleTexts(compare, compact);
    for (int k = 0; k < int(right.size()); ++k) {
        m_table.setRow(first + k, right.at(k));
    }
}

void CompareTableBuilder::addSets(const ServerSnapshot& baseline, const ServerSnapshot& compare) {
    const int caption = m_table.addRow(SetsCaption);
    if (baseline.SetTotal != 0) {
        for (const QString& line : baseline.Sets) {
            m_table.addRow(QStringLiteral("  ") + line);
        }
    } else {
        m_table.addRow(QStringLiteral("  <NONE>"));
    }
    m_table.setRow(caption, SetsCaption);
    if (compare.SetTotal == 0) {
        m_table.setRow(caption + 1, QStringLiteral("  <NONE>"));
        return;
    }
    for (int i = 0; i < int(compare.Sets.size()); ++i) {
        if (i > 0 && i >= baseline.SetTotal) {
            m_table.addRow();
        }
        m_table.setRow(caption + 1 + i, QStringLiteral("  ") + compare.Sets.at(i));
    }
}

void CompareTableBuilder::mark(int firstModuleRow) {
    for (int i = 0; i < int(m_table.rows.size()); ++i) {
        if (i != 1 && (i < 6 || i > 8) && i < firstModuleRow) {
            continue;
        }
        CompareRow& row = m_table.rows[i];
        row.marked = !row.caption.isEmpty() && !row.subText.isEmpty() &&
                     !caserules::equalsIgnoreCase(row.caption, row.subText);
    }
}
