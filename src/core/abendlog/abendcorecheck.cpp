#include "abendlog/abendcorecheck.h"

#include "analysis/loadedmodule.h"
#include "analysis/moduleversion.h"
#include "model/servermodel.h"
#include "text/caserules.h"
#include "ui/operationerror.h"

namespace {

// The number of a version's first four characters, or nothing when they are not one.
std::optional<double> numberOf(const QString& version) {
    try {
        return moduleversion::number(version);
    } catch (const OperationError&) {
        return std::nullopt;
    }
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A current version whose first digit is lower than the loaded one's is taken as an older
// product line, not as an update.
bool lowerProductLine(const QString& current, const QString& loaded) {
    return !current.isEmpty() && isDigit(current[0]) && isDigit(loaded[0]) &&
           current[0].digitValue() < loaded[0].digitValue();
}

}  // namespace

AbendCoreCheck::AbendCoreCheck(const Inputs& inputs, Progress& progress)
    : m_inputs(inputs), m_progress(progress) {}

QStringList AbendCoreCheck::CheckAbendCoreModules(const SortedTextList& otherModules,
                                                  const QString& serverVersion) {
    m_fileSets = m_inputs.currentDatabase.readSectionEntries(QStringLiteral("File Sets"));
    m_makerEntries = m_inputs.controlledDatabase.readSectionEntries(QStringLiteral("Core DXPs"));
    QStringList lines;
    for (qsizetype i = 0; i < m_inputs.coreKeys.size(); ++i) {
        CoreKey core;
        core.key = m_inputs.coreKeys.at(i);
        core.version = m_inputs.coreVersions.value(i);
        const qsizetype colon = core.key.indexOf(u':');
        if (colon >= 0) {
            if (!caserules::equalsIgnoreCase(core.key.left(colon).trimmed(), serverVersion)) {
                continue;
            }
            const qsizetype plus = core.key.indexOf(u'+');
            core.custom = plus >= 0;
            core.name = core.key.mid(core.custom ? plus + 1 : colon + 1, 12).trimmed();
        } else {
            core.name = core.key;
        }
        for (const QString& module : otherModules.lines()) {
            m_progress.pumpEvents();
            if (const std::optional<QString> line = finding(core, module)) {
                lines << *line << QStringLiteral(" ");
            }
        }
    }
    return lines;
}

std::optional<QString> AbendCoreCheck::finding(const CoreKey& core, const QString& module) {
    if (!caserules::equalsIgnoreCase(loadedmodule::name(module), core.name)) {
        return std::nullopt;
    }
    const QString loaded = loadedmodule::version(module, false);
    const QString& current = core.version;
    if (!loaded.isEmpty() &&
        (caserules::equalsIgnoreCase(current, loaded) || lowerProductLine(current, loaded))) {
        return std::nullopt;
    }
    // A pair that cannot be compared as numbers is skipped; a module without a version line
    // is reported when the current version is a number.
    const std::optional<double> currentNumber = numberOf(current);
    if (!currentNumber || (!loaded.isEmpty() && !numberOf(loaded))) {
        return std::nullopt;
    }
    if (core.custom && !customSpeaks(core, *currentNumber)) {
        return std::nullopt;
    }
    if (!loaded.isEmpty() && !moduleversion::isOlder(loaded, current)) {
        return std::nullopt;
    }
    QString line = ServerModel::Bullet + core.name + QStringLiteral(" is out of date");
    if (!loaded.isEmpty()) {
        line += QStringLiteral(" (v") + current +
                (core.custom ? QStringLiteral(" [Custom DB]") : QString()) + u')';
    }
    return line + advice(core);
}

bool AbendCoreCheck::customSpeaks(const CoreKey& core, double currentNumber) {
    QString makerKey = core.key;
    makerKey.remove(makerKey.indexOf(u'+'), 1);
    const QString maker = IniFile::valueIn(m_makerEntries, makerKey, QString());
    if (maker.isEmpty()) {
        return true;
    }
    const std::optional<double> makerNumber = numberOf(maker);
    if (!makerNumber) {
        return false;
    }
    return *makerNumber < currentNumber ||
           (*makerNumber == currentNumber &&
            moduleversion::revision(maker) < moduleversion::revision(core.version));
}

QString AbendCoreCheck::advice(const CoreKey& core) const {
    if (!m_inputs.fileSetKeys.contains(core.key)) {
        return QStringLiteral(".");
    }
    const QString file = IniFile::valueIn(m_fileSets, core.key, QString());
    if (file.isEmpty()) {
        return {};
    }
    return core.custom ? QStringLiteral(".  Apply updates from ") + file + u'.'
                       : QStringLiteral(".  Apply the updates from the ") + file +
                             QStringLiteral(" file set.");
}
