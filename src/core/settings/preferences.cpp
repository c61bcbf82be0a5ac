#include "settings/preferences.h"

#include "text/caserules.h"

#include <utility>

namespace {

const QString kNone = QStringLiteral("None");

QString historyKey(int n) {
    return QStringLiteral("Hist%1").arg(n);
}

}  // namespace

Preferences::Preferences(QString iniPath) : m_file(std::move(iniPath)) {}

QString Preferences::text(const char* key, const QString& fallback) const {
    return m_file.readString(QLatin1String(kSection), QLatin1String(key), fallback);
}

void Preferences::setText(const char* key, const QString& value) {
    m_file.writeString(QLatin1String(kSection), QLatin1String(key), value);
}

int Preferences::integer(const char* key, int fallback) const {
    return m_file.readInteger(QLatin1String(kSection), QLatin1String(key), fallback);
}

void Preferences::setInteger(const char* key, int value) {
    m_file.writeInteger(QLatin1String(kSection), QLatin1String(key), value);
}

int Preferences::height() const {
    return integer("Height", 555);
}

void Preferences::setHeight(int height) {
    setInteger("Height", height);
}

int Preferences::width() const {
    return integer("Width", 735);
}

void Preferences::setWidth(int width) {
    setInteger("Width", width);
}

QString Preferences::rootDir() const {
    return text("RootDir", QStringLiteral("C:\\"));
}

void Preferences::setRootDir(const QString& folder) {
    setText("RootDir", folder);
}

QStringList Preferences::recentFiles() const {
    // The section read once for all its keys: each read of a key reads the whole file.
    const QList<IniFile::Entry> entries = m_file.readSectionEntries(QLatin1String(kSection));
    QStringList files;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        files.append(IniFile::valueIn(entries, historyKey(n), QString()));
    }
    return files;
}

void Preferences::setRecentFiles(const QStringList& files) {
    QList<IniFile::Entry> entries;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        entries.append({historyKey(n), files.value(n - 1)});
    }
    m_file.writeStrings(QLatin1String(kSection), entries);
}

int Preferences::initialized() const {
    return integer("Initialized", 0);
}

void Preferences::setInitialized(int value) {
    setInteger("Initialized", value);
}

QString Preferences::dbType() const {
    return text("DBType", QLatin1String(kControlled));
}

void Preferences::setDbType(const QString& type) {
    setText("DBType", type);
}

int Preferences::frequency() const {
    return integer("Frequency", 0);
}

void Preferences::setFrequency(int frequency) {
    setInteger("Frequency", frequency);
}

QString Preferences::lastUpdateType() const {
    return text("LastUpdateType", QStringLiteral("N/A"));
}

void Preferences::setLastUpdateType(const QString& type) {
    setText("LastUpdateType", type);
}

QString Preferences::dbDateOnRemoteSite() const {
    return text("DBDateOnRemoteSite", QString());
}

void Preferences::setDbDateOnRemoteSite(const QString& date) {
    setText("DBDateOnRemoteSite", date);
}

QString Preferences::dbFormat(const QString& fallback) const {
    return text("DBFormat", fallback);
}

QString Preferences::upgrade() const {
    return text("Upgrade", kNone);
}

QString Preferences::upgradeSite() const {
    return text("UpgradeSite", kNone);
}

QString Preferences::upgradePriority() const {
    return text("UpgradePriority", kNone);
}

QString Preferences::whatsNew() const {
    return text("WhatsNew", kNone);
}

bool Preferences::isControlledType(const QString& dbType) {
    return caserules::equalsIgnoreCase(dbType, QLatin1String(kControlled));
}
