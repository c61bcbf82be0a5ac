#include "analysis/patchverification.h"

#include "ini/inilines.h"
#include "model/mainviews.h"
#include "model/servermodel.h"
#include "patchdb/patchdatabasemanager.h"
#include "text/caserules.h"
#include "text/numberconversion.h"
#include "ui/progress.h"
#include "ui/userdialogs.h"

#include <algorithm>

namespace {

// Adds a patch entry, read as a string or as one-byte characters, to a list that tells the
// lines apart when it is next read.
void deferInto(SortedTextList& list, QStringView line) {
    list.addDeferred(line);
}
void deferInto(SortedTextList& list, QLatin1String line) {
    if (!list.addDeferred(line)) {
        list.addDeferred(QStringView(QString(line)));
    }
}

}  // namespace

QString PatchVerification::shortOSVersion(const QString& osVersion) {
    QString text = osVersion;
    const qsizetype dot = text.indexOf(u'.');
    if (dot >= 0) {
        text.remove(dot, 1);
    }
    return text;
}

PatchVerification::PatchVerification(const ServerModel& model, AnalysisState& state,
                                     MainViews& views, PatchDatabaseManager& manager,
                                     UserDialogs& dialogs, Progress& progress)
    : m_model(model),
      m_state(state),
      m_views(views),
      m_manager(manager),
      m_dialogs(dialogs),
      m_progress(progress) {}

void PatchVerification::orderKitKinds(QStringList& names) {
    const qsizetype count = names.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i + 2 >= names.size() || !names.at(i).contains(QLatin1String("pt")) ||
            !names.at(i + 1).contains(QLatin1String("pt"))) {
            continue;
        }
        const QString prefix = names.at(i).left(3);
        if (names.at(i + 1).left(3) != prefix || names.at(i + 2).left(3) != prefix) {
            continue;
        }
        for (qsizetype j = i + 2; j < names.size(); ++j) {
            if (names.at(j).left(3) != prefix) {
                break;
            }
            if (names.at(j).contains(QLatin1String("it"))) {
                names.move(j, i + 1);
                break;
            }
        }
    }
}

int PatchVerification::setCount(const QString& name) const {
    const qsizetype colon = name.indexOf(u':');
    const qsizetype start = colon < 0 ? 1 : colon + 2;
    QString text = name.mid(start, 2);
    const qsizetype blank = text.indexOf(u' ');
    if (blank >= 0) {
        text.remove(blank, 1);
    }
    // A set of 100 or more modules carries its whole count; read all its digits.
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (text.size() == 2 && isDigit(text.at(0)) && isDigit(text.at(1))) {
        for (qsizetype k = start + 2; k < name.size() && isDigit(name.at(k)); ++k) {
            text.append(name.at(k));
        }
    }
    if (text.contains(u'N')) {
        m_dialogs.inform(QStringLiteral("DEBUG [VerifyPatches()]: tmpNumPatches = \"") + text +
                         u'"');
    }
    return numconv::toInt(text);
}

void PatchVerification::VerifyPatches() {
    m_state.PartialMatches.clear();
    m_state.CompleteSets.clear();
    // The entries are read where they lie: a big list keeps them as one-byte lines.
    const PatchEntryList& patches = m_model.PatchEntries;
    if (!patches.isEmpty()) {
        if (!IniLines::exists(m_manager.databases().currentPath())) {
            if (!m_model.HasPatchKitList) {
                // The lines are told apart when the list is next read, not one by one.
                patches.forEachView([this](const auto& line) {
                    m_progress.pumpEventsInWalk();
                    deferInto(m_state.PatchAnalysisList, line);
                });
            }
        } else {
            m_progress.start(int(m_manager.patchSetNames().size()) - 1);
            m_manager.ReadPatchSetNames();
            m_state.KnownPatchSets = m_manager.patchSetNames();
            orderKitKinds(m_state.KnownPatchSets);
            for (const QString& name : std::as_const(m_state.KnownPatchSets)) {
                m_progress.step();
                m_progress.pumpEvents();
                testSet(name);
            }
            if (!m_model.HasPatchKitList) {
                m_state.UnassignedPatches.clear();
                // An empty set list holds no line: asked only when it holds some.
                const bool anyComplete = !m_state.CompleteSetPatches.isEmpty();
                const bool anyPartial = !m_state.PartialSetPatches.isEmpty();
                patches.forEachView([&](const auto& line) {
                    m_progress.pumpEventsInWalk();
                    if (anyComplete || anyPartial) {
                        const QString text(line);  // made once for both sets
                        if ((anyComplete && m_state.CompleteSetPatches.contains(text)) ||
                            (anyPartial && m_state.PartialSetPatches.contains(text))) {
                            return;
                        }
                    }
                    deferInto(m_state.UnassignedPatches, line);
                });
                m_state.UnassignedPatches.forEachView([this](const auto& line) {
                    m_progress.pumpEventsInWalk();
                    deferInto(m_state.PatchAnalysisList, line);
                });
            }
        }
    }
    if (!m_state.PartialMatches.isEmpty()) {
        m_views.PartialMatchesBtn = true;
    }
}

void PatchVerification::testSet(const QString& name) {
    if (!caserules::equalsIgnoreCase(name.left(3), shortOSVersion(m_model.OSVersion))) {
        return;
    }
    const int count = setCount(name);
    const QList<IniFile::Entry> section =
        m_manager.databases().CurrentDatabase().readSectionEntries(name);
    m_state.SetEntries.clear();
    for (int k = 1; k <= count; ++k) {
        m_state.SetEntries.append(
            IniFile::valueIn(section, QString::number(k), QStringLiteral("Default")));
    }
    m_state.MatchedPatches.clear();
    int matches = 0;
    m_model.PatchEntries.forEachView([&](const auto& line) {
        m_progress.pumpEventsInWalk();
        for (qsizetype e = 0; e < m_state.SetEntries.size(); ++e) {
            const QString& entry = m_state.SetEntries.at(e);
            const qsizetype equals = entry.indexOf(u'=');
            const QString module = (equals < 0 ? entry : entry.mid(equals + 1)).left(12);
            // An empty name is found nowhere, so a set with an empty entry is never complete.
            if (!module.isEmpty() && line.contains(module)) {
                ++matches;
                if (!m_model.HasPatchKitList) {
                    m_state.MatchedPatches.add(QString(line));
                }
                m_state.SetEntries.removeAt(e);
                break;
            }
        }
    });
    if (m_state.SetEntries.isEmpty()) {
        recordComplete(name);
    } else if (matches > 0) {
        recordPartial(name, matches, count);
    }
}

void PatchVerification::recordComplete(const QString& name) {
    QString shown = name;
    const qsizetype dot = shown.indexOf(u'.');
    if (dot >= 0) {
        shown.remove(dot, 4);
    }
    m_state.CompleteSets.append(ServerModel::Bullet + shown);
    const int colour = std::min(int(m_state.CompleteSets.size()) - 1, 7);
    for (const QString& line : m_state.MatchedPatches.lines()) {
        if (m_state.CompleteSetPatches.contains(line)) {
            continue;
        }
        if (m_state.PartialSetPatches.remove(line)) {
            m_state.PatchAnalysisList.remove(line);
        }
        m_state.CompleteSetPatches.add(line);
        m_state.PatchAnalysisList.add(line + u':' + QString::number(colour));
    }
}

void PatchVerification::recordPartial(const QString& name, int matches, int count) {
    const qsizetype dot = name.indexOf(u'.');
    m_state.PartialMatches.append(QString::number(matches) + QStringLiteral(" of ") +
                                  QString::number(count) + QStringLiteral(" patches from ") +
                                  (dot < 0 ? name : name.left(dot)) +
                                  QStringLiteral(" were found."));
    for (const QString& line : m_state.MatchedPatches.lines()) {
        if (!m_state.CompleteSetPatches.contains(line)) {
            m_state.PartialSetPatches.add(line);
            m_state.PatchAnalysisList.add(line);
        }
    }
}
