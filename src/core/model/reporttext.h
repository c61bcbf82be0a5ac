#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The lines of an open report held once: one text with the lines joined by "\n" (as the text
// viewer shows it) and where each line begins. A line is read as a view into that text, so a
// report of half a million lines costs its characters and one number a line, not an object each.
class ReportText {
  public:
    ReportText() = default;
    // The file's bytes as lines, split at CR LF, LF or a lone CR; a final break does not start
    // another line.
    static ReportText decode(const QByteArray& bytes);
    // The same for a file, read and decoded piece by piece so that its bytes are never held
    // whole. Returns false when it cannot be opened or read (the text is then empty); size is
    // the number of bytes read.
    static bool read(const QString& path, ReportText& text, qint64& size);
    // Lines that are already text (a line must not hold a line break of its own).
    static ReportText fromLines(const QStringList& lines);

    qsizetype size() const {
        const std::size_t starts = m_wideStarts.empty() ? m_starts.size() : m_wideStarts.size();
        return starts == 0 ? 0 : qsizetype(starts) - 1;
    }
    bool isEmpty() const { return size() == 0; }
    // Line i, which must exist; the view lasts as long as this text is unchanged.
    QStringView at(qsizetype i) const {
        const qsizetype from = start(std::size_t(i));
        return QStringView(m_text).sliced(from, start(std::size_t(i) + 1) - 1 - from);
    }
    // Where line i begins in joined(); line size() "begins" one past the end of the text.
    qsizetype lineStart(qsizetype i) const { return start(std::size_t(i)); }
    // Every line joined by "\n".
    const QString& joined() const { return m_text; }
    // Empties the text and frees its memory.
    void clear();

  private:
    class Joiner;

    qsizetype start(std::size_t k) const {
        return m_wideStarts.empty() ? qsizetype(m_starts[k]) : m_wideStarts[k];
    }

    QString m_text;
    // Where each line begins, and one past the end: 32 bits each while the text is shorter
    // than 4 G characters (every report), in m_wideStarts otherwise.
    std::vector<quint32> m_starts;
    std::vector<qsizetype> m_wideStarts;
};
