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
    // Lines that are already text (a line must not hold a line break of its own).
    static ReportText fromLines(const QStringList& lines);

    qsizetype size() const { return m_starts.empty() ? 0 : qsizetype(m_starts.size()) - 1; }
    bool isEmpty() const { return size() == 0; }
    // Line i, which must exist; the view lasts as long as this text is unchanged.
    QStringView at(qsizetype i) const {
        const std::size_t k = std::size_t(i);
        return QStringView(m_text).sliced(m_starts[k], m_starts[k + 1] - 1 - m_starts[k]);
    }
    // Where line i begins in joined(); line size() "begins" one past the end of the text.
    qsizetype lineStart(qsizetype i) const { return m_starts[std::size_t(i)]; }
    // Every line joined by "\n".
    const QString& joined() const { return m_text; }
    void clear();

  private:
    QString m_text;
    std::vector<qsizetype> m_starts;
};
