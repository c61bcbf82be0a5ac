#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Line-level access to the program's INI-format data files, and the file operations the
// database manager needs. Files are Windows-1252 text; a line ends at CR LF, LF or a lone CR,
// and a final line break does not start another line. IniFile reads through the same raw reader,
// so a file seen as lines and seen as sections and keys always agrees. Every write replaces the
// whole file atomically (a temporary file in the same folder is renamed over the original), so a
// crash or a full disk never leaves half a file; a refused write throws OperationError
// "Unable to write to <path>" with the path as given. Nothing is held open between calls.
class IniLines {
  public:
    // One line as stored: its bytes without the break, and the break itself ("\r\n", "\n",
    // "\r", or empty for a last line that has none). Keeping both lets an edit rewrite only the
    // lines it changes and leave every other byte of the file as it was.
    struct RawLine {
        QByteArray text;
        QByteArray ending;
    };

    // The decoded lines of a file; a missing or unreadable file gives no lines.
    static QStringList load(const QString& path);
    // Writes the lines as the whole file, each ended by CR LF.
    static void save(const QString& path, const QStringList& lines);

    // Reads the raw lines into `lines`. A missing file is empty and succeeds; false means the
    // path exists but cannot be read (a writer must then not replace it).
    static bool loadRaw(const QString& path, QList<RawLine>& lines);
    static void saveRaw(const QString& path, const QList<RawLine>& lines);

    // True for an existing regular file (a folder of that name does not count).
    static bool exists(const QString& path);
    // Deletes the file; false when it was not there or could not be deleted.
    static bool remove(const QString& path);
    // Replaces `to` with the content of `from` and gives it the modification time of `from`.
    // Returns false when `from` cannot be read (nothing is written then); throws like save().
    static bool copyKeepingTime(const QString& from, const QString& to);
};
