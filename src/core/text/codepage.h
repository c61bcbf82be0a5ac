#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

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
// The code page maps every byte to one UTF-16 unit; the table is taken from the decoder itself.
// It is null when the decoder does not (then the decoder is used for every text).
const std::array<char16_t, 256>* byteTable();

// Decodes n bytes into out, which has room for n characters, one character a byte (with the
// table; without it, U+FFFD stands for a character the decoder does not give).
void decodeInto(const char* bytes, qsizetype n, char16_t* out);

// Reads a whole file. Returns false when it cannot be opened or read.
bool readFile(const QString& path, QByteArray& bytes);
bool readLines(const QString& path, QStringList& lines);

}  // namespace codepage
