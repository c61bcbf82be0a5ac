#pragma once

#include "ini/inifile.h"
#include "text/sortedtextlist.h"
#include "ui/progress.h"

#include <QStringList>
#include <optional>

// Names the core modules that were out of date when the server halted: each key of the active
// database's core module list that applies to the server's version is matched by name against
// the loaded modules, and a module older than the database's version gives one line (with the
// file set that brings the update) and a blank line. A user's own entry speaks only when it is
// newer than the controlled database's entry for the same module. A pair whose versions cannot
// be read as numbers is skipped; a module without a version line is reported without one.
class AbendCoreCheck {
  public:
    struct Inputs {
        const QStringList& coreKeys;      // the core module list, in section order
        const QStringList& coreVersions;  // parallel current versions
        const SortedTextList& fileSetKeys;
        const IniFile& currentDatabase;     // File Sets: the update files
        const IniFile& controlledDatabase;  // Core DXPs of quarixdb.ini
    };

    AbendCoreCheck(const Inputs& inputs, Progress& progress);

    QStringList CheckAbendCoreModules(const SortedTextList& otherModules,
                                      const QString& serverVersion);

  private:
    struct CoreKey {
        QString key;
        QString name;
        QString version;
        bool custom = false;
    };
    std::optional<QString> finding(const CoreKey& core, const QString& module);
    bool customSpeaks(const CoreKey& core, double currentNumber);
    QString advice(const CoreKey& core) const;

    const Inputs& m_inputs;
    Progress& m_progress;
    QList<IniFile::Entry> m_fileSets;
    QList<IniFile::Entry> m_makerEntries;
};
