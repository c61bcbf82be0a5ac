#pragma once

#include <QString>
#include <QStringView>

// A text that a recogniser looks for anywhere in a line, with a summary of the characters it
// needs. A line's summary (one bit per character class) tells at once that most lines cannot
// hold the marker, so the substring search runs only on the few that might.
class LineMarker {
  public:
    explicit LineMarker(const QString& text);

    const QString& text() const { return m_text; }
    quint64 mask() const { return m_mask; }

    // The summary of a text: bit (c mod 63) for each of its characters, and bit 63 always, so
    // a summary is never 0.
    static quint64 maskOf(QStringView text);

  private:
    QString m_text;
    quint64 m_mask;
};
