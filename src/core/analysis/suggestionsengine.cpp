#include "analysis/suggestionsengine.h"

#include "analysis/loadedmodule.h"
#include "analysis/moduleversion.h"
#include "analysis/patchverification.h"
#include "ini/inifile.h"
#include "model/mainviews.h"
#include "model/servermodel.h"
#include "text/caserules.h"
#include "text/numberconversion.h"
#include "ui/progress.h"

const QString SuggestionsEngine::SupportSite = QStringLiteral("support.quarix.example");

namespace {

const QString& Bullet = ServerModel::Bullet;
const QString Blank = QStringLiteral(" ");

// The set name of a complete-set line: from its fourth character, up to the first blank
// among the next eight; empty when those eight hold none.
QString completeSetName(const QString& line) {
    const QString eight = line.mid(3, 8);
    const qsizetype blank = eight.indexOf(u' ');
    return blank < 0 ? QString() : eight.left(blank);
}

struct KitInfo {
    QString file;     // the support pack's file name
    QString loaded;   // the report's kit version
    QString current;  // the database's kit version
};

KitInfo kitInfo(const ServerModel& model, const QStringList& known, const IniFile& controlled,
                const QString& shortVersion) {
    QString set;
    for (const QString& name : known) {
        if (caserules::equalsIgnoreCase(name.left(3), shortVersion)) {
            set = name;
            break;
        }
    }
    KitInfo kit;
    QString file = set.mid(set.indexOf(u'-') + 1).left(80);
    const qsizetype colon = file.indexOf(u':');
    kit.file = colon < 0 ? QString() : file.left(colon).trimmed();
    const QString marker = QStringLiteral("Version: v");
    for (const QString& line : model.PatchEntries.lines()) {
        const qsizetype at = line.indexOf(marker);
        if (at >= 0) {
            kit.loaded = line.mid(at + marker.size(), 6).trimmed();
            break;
        }
    }
    kit.current = controlled.readString(set, QStringLiteral("PatchKitVersion"), QString());
    const qsizetype comma = kit.current.indexOf(u',');
    if (comma >= 0) {
        kit.current.truncate(comma);
    }
    return kit;
}

}  // namespace

SuggestionsEngine::SuggestionsEngine(ServerModel& model, AnalysisState& state, MainViews& views,
                                     Progress& progress)
    : m_model(model), m_state(state), m_views(views), m_progress(progress) {}

bool SuggestionsEngine::matches(const QString& line, const QString& text) {
    return !line.isEmpty() && caserules::startsWithIgnoreCase(line, text);
}

void SuggestionsEngine::add(std::initializer_list<QString> lines) {
    for (const QString& line : lines) {
        m_model.Suggestions.append(line);
    }
}

void SuggestionsEngine::BuildSuggestions(const Inputs& inputs) {
    m_is41x = m_model.OSVersion.left(3) == QLatin1String("4.1");
    const double version = numconv::toDouble(m_model.OSVersion.left(4));
    m_atLeast411 = version >= 4.11;
    m_atLeast5 = version >= 5;
    m_smpLoaded = false;

    patchLevel(inputs);
    registerMemory();
    reservedBuffers();
    symmetricMultiprocessing();
    startupParameters();
    autoexecParameters();
    oldDrivers();
    abendLog();
    heading(inputs);
    m_progress.pumpEvents();
}

void SuggestionsEngine::patchLevel(const Inputs& inputs) {
    const QString shortVersion = PatchVerification::shortOSVersion(m_model.OSVersion);
    const QStringList& complete = m_state.CompleteSets;
    KitInfo kit;  // read only for a report with patch-kit information and loaded patches
    bool advise = false;
    if (m_model.PatchEntries.isEmpty()) {
        advise = true;
    } else if (!m_model.HasPatchKitList) {
        const auto namesPatchKit = [](const QString& line) {
            return line.contains(QLatin1String("pt")) || line.contains(QLatin1String("PT"));
        };
        if (complete.isEmpty() || std::none_of(complete.begin(), complete.end(), namesPatchKit)) {
            advise = true;
        } else if (!inputs.knownPatchSets.isEmpty()) {
            const QString& newest = inputs.knownPatchSets.first();
            if (newest.contains(QLatin1String("pt")) &&
                caserules::equalsIgnoreCase(newest.left(3), shortVersion)) {
                advise = std::none_of(complete.begin(), complete.end(), [&](const QString& line) {
                    const QString name = completeSetName(line);
                    return !name.isEmpty() && newest.contains(name);
                });
            }
        }
    } else {
        advise = !m_model.PatchesLoaded;
        kit = kitInfo(m_model, inputs.knownPatchSets, inputs.controlledDatabase, shortVersion);
        m_progress.pumpEvents();
        if (!kit.loaded.isEmpty() && !kit.current.isEmpty() &&
            !caserules::equalsIgnoreCase(kit.loaded, kit.current) &&
            moduleversion::isOlder(kit.loaded, kit.current)) {
            advise = true;
        }
    }
    if (!advise) {
        return;
    }
    if (m_atLeast411 && m_model.HasPatchKitList) {
        add({Bullet + QStringLiteral("Load the ") + kit.file + QStringLiteral(".exe ") +
                 m_model.OSVersion + QStringLiteral(" Support Pack.*"),
             QStringLiteral("   The current Patch Kit version is v") + kit.current + u'.'});
        add({m_model.PatchesLoaded
                 ? QStringLiteral("   Your loaded Patch Kit version is v") + kit.loaded + u'.'
                 : QStringLiteral("   No OS patches are currently loaded."),
             Blank});
    } else if (m_atLeast411 && !m_atLeast5) {
        add({Bullet + QStringLiteral("Cannot verify version of Support Pack loaded because the"),
             QStringLiteral("   config.txt file was produced by an outdated CFGDUMP.DXP or"),
             QStringLiteral("   CFGUTIL.DXP.  Create the config.txt file again with at least"),
             QStringLiteral("   v1.09 of CFGDUMP.DXP or v1.04 of CFGUTIL.DXP."), Blank});
    } else {
        add({Bullet + QStringLiteral("Load the latest ") + m_model.OSVersion +
                 QStringLiteral(" patch set.*"),
             Blank});
    }
}

void SuggestionsEngine::registerMemory() {
    if (!m_is41x) {
        return;
    }
    const std::pair<const QStringList*, QString> files[] = {
        {&m_model.StartupDxs, QStringLiteral("STARTUP.DXS")},
        {&m_model.DosAutoexecDxs, QStringLiteral("C:AUTOEXEC.DXS")},
        {&m_model.AutoexecDxs, QStringLiteral("SYS:SYSTEM\\AUTOEXEC.DXS")}};
    for (const auto& [lines, place] : files) {
        for (const QString& line : *lines) {
            if (matches(line, QStringLiteral("Register memory"))) {
                add({Bullet + QStringLiteral("You don't have to manually REGISTER MEMORY on "
                                             "4.1x servers."),
                     QStringLiteral("   Just make sure the latest patch sets are loaded."),
                     QStringLiteral("   (REGISTER MEMORY found in ") + place + u')', Blank});
                return;
            }
        }
    }
}

void SuggestionsEngine::reservedBuffers() {
    if (m_atLeast411 || m_model.StartupDxs.isEmpty()) {
        return;
    }
    for (const QString& line : std::as_const(m_model.StartupDxs)) {
        if (matches(line, QStringLiteral("Set Reserved Buffers Below 16 Meg"))) {
            return;
        }
    }
    add({Bullet + QStringLiteral("A SET Reserved Buffers Below 16 Meg = 200 statement"),
         QStringLiteral("   should be in your STARTUP.DXS file."), Blank});
}

void SuggestionsEngine::symmetricMultiprocessing() {
    m_model.OtherModules.forEachView([this](const auto& entry) {
        m_progress.pumpEventsInWalk();
        if (entry.startsWith(QLatin1String("SMP.")) && entry.contains(QLatin1String("SMP.DXP"))) {
            m_smpLoaded = true;
            add({Bullet + QStringLiteral("SMP.DXP is loaded. Make sure the server is"),
                 QStringLiteral("   completely certified to fully support SMP."), Blank});
            m_views.EngTypeEdit = QStringLiteral("SMP");
        }
    });
}

void SuggestionsEngine::faultParameters(const QString& line, const QString& place) {
    static const std::pair<QString, QString> Parameters[] = {
        {QStringLiteral("Set Allow Invalid Pointers = On"),
         QStringLiteral("SET Allow Invalid Pointers = On")},
        {QStringLiteral("Set Read Fault Emulation = On"),
         QStringLiteral("SET Read Fault Emulation = On")},
        {QStringLiteral("Set Write Fault Emulation = On"),
         QStringLiteral("SET Write Fault Emulation = On")}};
    for (const auto& [statement, shown] : Parameters) {
        if (matches(line, statement)) {
            add({Bullet + shown + QStringLiteral(" (in ") + place + QStringLiteral(")."),
                 QStringLiteral("   Turning this ON can cause corruption and masks existing "
                                "problems."),
                 QStringLiteral("   This parameter should be set to OFF."), Blank});
            return;
        }
    }
}

void SuggestionsEngine::startupParameters() {
    for (const QString& line : std::as_const(m_model.StartupDxs)) {
        faultParameters(line, QStringLiteral("Startup.dxs"));
    }
}

void SuggestionsEngine::autoexecParameters() {
    for (const QString& line : std::as_const(m_model.AutoexecDxs)) {
        if (!m_smpLoaded &&
            matches(line, QStringLiteral("SET Upgrade Low Priority Threads = On"))) {
            add({Bullet + QStringLiteral("SET Upgrade Low Priority Threads is set to On."),
                 QStringLiteral("   Turning this ON can cause high utilization."),
                 QStringLiteral("   This parameter should generally be set to OFF."), Blank});
        }
        faultParameters(line, QStringLiteral("Autoexec.dxs"));
    }
}

void SuggestionsEngine::oldDrivers() {
    if (!m_is41x) {
        return;
    }
    m_model.OtherModules.forEachView([this](const auto& entry) {
        m_progress.pumpEventsInWalk();
        if (loadedmodule::isDriver(entry)) {
            m_state.DriverList.append(QString(entry));
        }
    });
    for (const QString& entry : std::as_const(m_state.DriverList)) {
        m_progress.pumpEvents();
        const qsizetype at = entry.indexOf(QLatin1String(", 199"));
        if (at < 0) {
            continue;
        }
        if (numconv::toInt(entry.mid(at + 2, 4)) <= 1994) {
            add({Bullet + QStringLiteral("Driver older than 1995 found. Is this the most recent "
                                         "version:"),
                 QStringLiteral("    ") + entry, Blank});
        }
    }
}

void SuggestionsEngine::abendLog() {
    if (!m_model.HasAbendLog) {
        return;
    }
    add({Bullet + QStringLiteral("Abend.log summary was found in this config file."),
         QStringLiteral("   Goto the 'Analyze Abend.log' tool to see if the pattern of"),
         QStringLiteral("   abends helps to diagnose possible problems with the server."), Blank});
}

void SuggestionsEngine::heading(const Inputs& inputs) {
    QStringList& s = m_model.Suggestions;
    if (s.isEmpty()) {
        s.append(Bullet + QStringLiteral("No suggestions at this time."));
        return;
    }
    const QStringList top = {
        QStringLiteral("               *** Using ") +
            (inputs.uncontrolledMode ? QStringLiteral("UNCONTROLLED")
                                     : QStringLiteral("Quarix-controlled")) +
            QStringLiteral(" database ***"),
        QStringLiteral("      Visit the Quarix ") + SupportSite + QStringLiteral(" web site for "),
        QStringLiteral("          patches, file updates, and technical information."), Blank};
    s = top + s;
}
