#pragma once

#include "ini/inifile.h"

#include <QString>
#include <QStringList>

// Typed access to the settings section [Preferences] of a database file (normally the
// controlled database, quarixdb.ini, whose [Preferences] is the settings store; CARTOVEX.INI
// carries only DBType there). Every getter reads the file afresh and returns the key's default
// when the file or key is missing; every setter writes at once and throws what IniFile throws.
// Keys the maker publishes (DBFormat, Upgrade...) are read only; file() reaches anything else.
class Preferences {
  public:
    static constexpr const char* kSection = "Preferences";
    static constexpr const char* kControlled = "Controlled";
    static constexpr const char* kUncontrolled = "Uncontrolled";
    // DBFormat's default for the start-up format check, and for the database type information.
    static constexpr const char* kDbFormatCheckDefault = "0.0";
    static constexpr const char* kDbFormatInfoDefault = "Not Found";
    static constexpr int kRecentFileCount = 5;

    explicit Preferences(QString iniPath);
    const IniFile& file() const { return m_file; }

    int height() const;
    void setHeight(int height);
    int width() const;
    void setWidth(int width);
    QString rootDir() const;
    void setRootDir(const QString& folder);

    // Hist1 to Hist5, most recent first; always five entries, empty where unset.
    QStringList recentFiles() const;
    // Writes Hist1 to Hist5 from the list; entries past its end are written empty.
    void setRecentFiles(const QStringList& files);

    int initialized() const;
    void setInitialized(int value);
    QString dbType() const;
    void setDbType(const QString& type);
    // 0 weekly, 1 monthly, 2 never.
    int frequency() const;
    void setFrequency(int frequency);
    QString lastUpdateType() const;
    void setLastUpdateType(const QString& type);
    QString dbDateOnRemoteSite() const;
    void setDbDateOnRemoteSite(const QString& date);

    QString dbFormat(const QString& fallback = QLatin1String(kDbFormatCheckDefault)) const;
    QString upgrade() const;
    QString upgradeSite() const;
    QString upgradePriority() const;
    QString whatsNew() const;

    // Any type other than "Controlled" (in any ASCII case) means the uncontrolled database.
    static bool isControlledType(const QString& dbType);

  private:
    QString text(const char* key, const QString& fallback) const;
    void setText(const char* key, const QString& value);
    int integer(const char* key, int fallback) const;
    void setInteger(const char* key, int value);

    IniFile m_file;
};
