#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The lines of an open report held once: one text with the lines joined by "\n" (as the text
// viewer shows it) and where each line begins. The text is kept as the file's Windows-1252
// bytes, one byte a character, and a line is decoded only when it is read, so a report of half
// a million lines costs its bytes and one number a line. Lines made from text holding a
// character the code page has no byte for are kept as UTF-16 instead ("wide").
class ReportText {
  public:
    ReportText() = default;
    // The file's bytes as lines, split at CR LF, LF or a lone CR; a final break does not start
    // another line.
    static ReportText decode(const QByteArray& bytes);
    // The same for a file. Returns false when it cannot be opened or read (the text is then
    // empty); size is the number of bytes read.
    static bool read(const QString& path, ReportText& text, qint64& size);
    // Lines that are already text (a line must not hold a line break of its own).
    static ReportText fromLines(const QStringList& lines);

    qsizetype size() const {
        const std::size_t starts = m_wideStarts.empty() ? m_starts.size() : m_wideStarts.size();
        return starts == 0 ? 0 : qsizetype(starts) - 1;
    }
    bool isEmpty() const { return size() == 0; }
    // Line i, which must exist.
    QString at(qsizetype i) const;
    // The number of characters of line i.
    qsizetype lineLength(qsizetype i) const {
        return start(std::size_t(i) + 1) - 1 - start(std::size_t(i));
    }
    // Line i decoded into out, which has room for its lineLength(i) characters.
    void decodeLine(qsizetype i, char16_t* out) const;
    // Where line i begins in the joined text; line size() "begins" one past its end.
    qsizetype lineStart(qsizetype i) const { return start(std::size_t(i)); }
    // The characters from one offset of the joined text to another.
    QString text(qsizetype from, qsizetype to) const;
    // Every line joined by "\n".
    QString joined() const { return isEmpty() ? QString() : text(0, lineStart(size()) - 1); }

    // Byte lines, for readers that test them without decoding: isWide() is false and
    // lineBytes(i) gives line i's code-page bytes (ASCII stands for itself).
    bool isWide() const { return !m_wide.isNull(); }
    QByteArrayView lineBytes(qsizetype i) const {
        const qsizetype from = start(std::size_t(i));
        return QByteArrayView(m_bytes.constData() + from, start(std::size_t(i) + 1) - 1 - from);
    }
    // Line i of a wide text.
    QStringView wideLine(qsizetype i) const {
        const qsizetype from = start(std::size_t(i));
        return QStringView(m_wide).sliced(from, start(std::size_t(i) + 1) - 1 - from);
    }

    // Empties the text and frees its memory.
    void clear();

  private:
    class Splitter;

    qsizetype start(std::size_t k) const {
        return m_wideStarts.empty() ? qsizetype(m_starts[k]) : m_wideStarts[k];
    }
    void addStart(qsizetype start);

    QByteArray m_bytes;
    QString m_wide;
    // Where each line begins, and one past the end: 32 bits each while the text is shorter
    // than 4 G characters (every report), in m_wideStarts otherwise.
    std::vector<quint32> m_starts;
    std::vector<qsizetype> m_wideStarts;
};
