#include "abendlog/abendmodules.h"

#include "text/caserules.h"

#include <algorithm>
#include <iterator>

namespace abendmodules {

namespace {

bool isNameCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

}  // namespace

bool isModuleLine(const QString& line) {
    return line.size() > 2 && isNameCharacter(line[0]) && isNameCharacter(line[1]) &&
           !line.contains(QLatin1String("Protected Alloc Memory")) &&
           !line.contains(QLatin1String("Daltrix OS Loader"));
}

SortedTextList CollectLoadedModules(const QStringList& text, int startLine, const QString& key,
                                    Progress& progress) {
    SortedTextList modules;
    bool keySeen = false;
    bool listSeen = false;
    for (qsizetype i = qMax(0, startLine); i < text.size(); ++i) {
        const QString& line = text.at(i);
        if (!keySeen) {
            keySeen = line.contains(key);
        } else if (line.contains(QLatin1String("**********"))) {
            break;
        } else if (!listSeen) {
            listSeen = line.contains(QLatin1String("Loaded Modules:"));
        } else if (isModuleLine(line)) {
            const QString name = line.left(line.indexOf(u' '));
            const QString next = text.value(i + 1);
            const QString version = next.contains(QLatin1String("Version")) ? next : QString();
            modules.add(caserules::padRight(name, 12) + version);
            progress.pumpEvents();
        }
    }
    return modules;
}

void SplitFixModules(const SortedTextList& loaded, SortedTextList& fix, SortedTextList& other) {
    static const QString FixNames[] = {QStringLiteral("FX.DXP"), QStringLiteral("FIX.DXP"),
                                       QStringLiteral("FX2.DXP"), QStringLiteral("FIX2.DXP")};
    fix.clear();
    other.clear();
    for (const QString& entry : loaded.lines()) {
        const bool isFix = std::any_of(std::begin(FixNames), std::end(FixNames),
                                       [&](const QString& name) { return entry.contains(name); });
        (isFix ? fix : other).add(entry);
    }
}

QString FindServerVersion(const SortedTextList& other) {
    for (const QString& entry : other.lines()) {
        if (entry.contains(QLatin1String("SERVER.DXP")) &&
            entry.startsWith(QLatin1String("SERV"))) {
            const qsizetype at = entry.indexOf(QLatin1String("Version"));
            return at < 0 ? QString() : entry.mid(at + 8, 4).trimmed();
        }
    }
    return {};
}

}  // namespace abendmodules
