#include "analysis/modulecurrencycheck.h"

#include "analysis/coremoduleentry.h"
#include "analysis/loadedmodule.h"
#include "analysis/moduleversion.h"
#include "text/caserules.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

const QString NotFound = QStringLiteral("<Not Found...old DXP>");

// A known loaded version that cannot be compared, or that is plainly not older, is skipped.
bool skipKnownVersion(const QString& current, const QString& loaded) {
    using moduleversion::startsWithDigit;
    return !startsWithDigit(loaded) || !startsWithDigit(current) ||
           caserules::equalsIgnoreCase(current, loaded) ||
           current.at(0).digitValue() < loaded.at(0).digitValue();
}

}  // namespace

ModuleCurrencyCheck::ModuleCurrencyCheck(ServerModel& model, AnalysisState& state,
                                         Progress& progress)
    : m_model(model), m_state(state), m_progress(progress) {}

QString ModuleCurrencyCheck::updateFile(const Inputs& inputs, const QString& key) {
    if (!inputs.fileSetKeys.contains(key)) {
        return {};
    }
    return IniFile::valueIn(m_fileSets, key, QString());
}

bool ModuleCurrencyCheck::userEntryCounts(const QString& key, const QString& current) {
    QString makerKey = key;
    makerKey.remove(makerKey.indexOf(u'+'), 1);
    const QString maker = IniFile::valueIn(m_makerEntries, makerKey, QString());
    return maker.isEmpty() || moduleversion::isNewer(current, maker);
}

void ModuleCurrencyCheck::CheckModuleCurrency(const Inputs& inputs) {
    if (inputs.coreKeys.isEmpty() || m_model.OtherModules.isEmpty()) {
        return;
    }
    m_fileSets = inputs.currentDatabase.readSectionEntries(QStringLiteral("File Sets"));
    m_makerEntries = inputs.controlledDatabase.readSectionEntries(QStringLiteral("Core DXPs"));
    // The core keys that apply to the server's version, in their order.
    std::vector<std::pair<qsizetype, CoreModuleEntry>> keys;
    for (qsizetype i = 0; i < inputs.coreKeys.size(); ++i) {
        const CoreModuleEntry entry = CoreModuleEntry::parse(inputs.coreKeys.at(i));
        if (entry.appliesTo(m_model.OSVersion)) {
            keys.emplace_back(i, entry);
        }
    }
    // One walk over the modules finds each key's modules; they are then taken key by key, each
    // key's in the modules' order. A module's line is copied only on a match, and its name
    // compared only when a key's name has its length.
    quint64 lengths = 0;
    for (const auto& key : keys) {
        lengths |= quint64(1) << std::min<qsizetype>(key.second.module.size(), 63);
    }
    std::vector<std::pair<std::size_t, QString>> found;
    QString wideName;
    m_model.OtherModules.forEachView([&](const auto& e) {
        m_progress.pumpEventsInWalk();
        const auto name = loadedmodule::nameView(e);
        if (((lengths >> std::min<qsizetype>(name.size(), 63)) & 1) == 0) {
            return;
        }
        QStringView nameView;
        if constexpr (std::is_same_v<std::decay_t<decltype(name)>, QLatin1String>) {
            wideName = name;  // a one-byte line: its name as text
            nameView = wideName;
        } else {
            nameView = name;
        }
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (caserules::equalsIgnoreCase(nameView, keys[k].second.module)) {
                found.emplace_back(k, QString(e));
            }
        }
    });
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [k, e] : found) {
        const QString& key = inputs.coreKeys.at(keys[k].first);
        const QString current = inputs.coreVersions.value(keys[k].first);
        const CoreModuleEntry& entry = keys[k].second;
        const QString name = loadedmodule::nameView(e).toString();
        QString version = loadedmodule::version(e, m_model.CompactModuleLines);
        if (!version.isEmpty() && skipKnownVersion(current, version)) {
            continue;
        }
        if (version.isEmpty()) {
            version = NotFound;
        }
        if (entry.userEntry && !userEntryCounts(key, current)) {
            continue;
        }
        if (version != NotFound && !moduleversion::isNewer(current, version)) {
            continue;
        }
        const QString file = updateFile(inputs, key);
        QStringList& s = m_model.Suggestions;
        s.append(ServerModel::Bullet + entry.module + QStringLiteral(" is out of date."));
        s.append(QStringLiteral("   Current version is ") + current +
                 QStringLiteral(". Your version is ") + version + u'.');
        if (!file.isEmpty()) {
            s.append(QStringLiteral("   Apply the updates from the file ") + file + u'.');
            m_state.FilesSuggested.add(file);
        }
        if (entry.userEntry) {
            s.append(QStringLiteral("   (This data is from user-customized database)"));
        }
        s.append(QStringLiteral(" "));
        m_state.OutOfDateModules.append(name);
        m_state.OutOfDateDetails.append({entry.module, version, current, file});
    }
}
