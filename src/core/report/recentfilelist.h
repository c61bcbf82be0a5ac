#pragma once

#include <QString>
#include <QStringList>

// The five most recently opened reports, most recent first, kept as Hist1 to Hist5 in the
// settings file. A name already in the list (ASCII case ignored) keeps its place.
class RecentFileList {
  public:
    static constexpr int Size = 5;

    explicit RecentFileList(QString settingsPath);

    void load();
    // Adds a name at the top; returns false when it was already there (nothing changes).
    bool add(const QString& name);
    const QStringList& entries() const { return m_entries; }
    // The entry of item k (1 to 5); empty when unset.
    QString entry(int k) const;

  private:
    QString m_settingsPath;
    QStringList m_entries;
};
