#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Every file the program reads or writes (reports, logs, kits, databases) is 8-bit text in
// the Windows-1252 code page; inside the program text is QString.
namespace codepage {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// Splits text into lines at CR LF, LF or a lone CR. A final line break does not start another
// line, so "a\r\nb\r\n" gives two lines.
QStringList splitLines(const QString& text);
// decode() and splitLines() in one pass over the bytes.
QStringList decodeLines(const QByteArray& bytes);
// The same lines as one text, joined by "\n", and where each begins: line i is the text from
// starts[i] up to the "\n" before starts[i + 1]; starts holds one more entry than lines.
QString decodeJoinedLines(const QByteArray& bytes, std::vector<qsizetype>& starts);

// Reads a whole file. Returns false when it cannot be opened or read.
bool readFile(const QString& path, QByteArray& bytes);
bool readLines(const QString& path, QStringList& lines);

}  // namespace codepage
