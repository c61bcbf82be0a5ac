#pragma once

#include <QString>

// One binary value of the per-user registry of the original platform, kept as a file
// <data directory>/registry/<key>/<name> that holds the value's bytes and nothing else. Only
// 8-byte little-endian IEEE doubles are stored. Opening the value creates the key's folders when
// they are missing, as opening a registry key creates it. A stored value of another size throws
// OperationError "Invalid data type for '<name>'"; a failed write throws
// "Failed to set data for '<name>'". Writes replace the file atomically.
class RegistryValue {
  public:
    // `key` uses "/" between its parts, e.g. "Software/Cartovex".
    RegistryValue(QString key, QString name);

    // Empty when the data directory cannot be had.
    QString filePath() const;
    // The stored double, or `fallback` when the value does not exist.
    double readDouble(double fallback) const;
    void writeDouble(double value) const;

  private:
    QString keyFolder() const;

    QString m_key;
    QString m_name;
};
