#pragma once

#include <QString>
#include <QStringList>

// Keyed access to one INI-format file by section and key, with the profile rules the database
// files were written for. Section and key names match without regard to ASCII case and with
// blanks (spaces, tabs) around names and values ignored; the first matching section, and the
// first matching key in it, win over later duplicates. A header is a line whose first character
// is "[", named by the text up to the first "]"; an entry is a line with "=", its key the text
// before the first "=". Reads give at most 1,023 characters, or the caller's default when the
// key (or the file) is missing. Writes edit the file as raw lines: a replaced entry becomes
// key "=" value with the key spelled as it already stands in the file; a new key goes after the
// last non-blank line of its section, so before the empty line that closes it; a missing section
// is appended at the end of the file after an empty line. Every other line keeps its bytes and
// its own line break (an LF-only line stays LF-only); lines the writer produces end with CR LF.
// The file is read afresh on every call and replaced atomically on every write (see IniLines), or
// once for a whole batch of writes (see IniBatch);
// a refused write throws OperationError "Unable to write to <path>" with the path as given.
// A write that would change the file's structure (a line break or NUL in a name, key or value,
// "=" in a key, a key that begins with "[") is refused before anything is written.
class IniFile {
  public:
    static constexpr int kMaxValueLength = 1023;

    explicit IniFile(QString path);
    const QString& path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // A value that is not a number gives the default; "0x" or "0X" starts a hexadecimal value.
    int readInteger(const QString& section, const QString& key, int fallback) const;
    // An integer value other than 0 is true.
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    bool sectionExists(const QString& section) const;
    // The keys of the section's entries in file order (duplicates included).
    QStringList readSectionKeys(const QString& section) const;

    // A section's entries read at once, for callers that look up many keys of one section.
    struct Entry {
        QString key;
        QString value;  // capped like a read value
    };
    QList<Entry> readSectionEntries(const QString& section) const;
    // The value of the first entry with that key, as readString would give it.
    static QString valueIn(const QList<Entry>& entries, const QString& key,
                           const QString& fallback);

    // Throws OperationError with a message naming the problem when the entry would change the
    // structure of the file; every write checks its entries so.
    static void checkWritable(const QString& section, const QString& key, const QString& value);

    void writeString(const QString& section, const QString& key, const QString& value);
    // Several keys of one section written in order with one read and one write of the file;
    // the result is that of writing them one by one.
    void writeStrings(const QString& section, const QList<Entry>& entries);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    // Removes every section of that name with all its lines, up to the next header.
    void eraseSection(const QString& section);
    // Erases the section and writes the entries into it in order, with one write of the file;
    // the result is that of eraseSection followed by writeString for each entry.
    void replaceSection(const QString& section, const QList<Entry>& entries);

  private:
    QString m_path;
};
