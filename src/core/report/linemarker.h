#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <string_view>

// A text that a recogniser looks for anywhere in a line, with a summary of the characters it
// needs. A line's summary (one bit per character class) tells at once that most lines cannot
// hold the marker, so the substring search runs only on the few that might.
class LineMarker {
  public:
    explicit LineMarker(const QString& text);

    const QString& text() const { return m_text; }
    // The text in the code page of the report's bytes.
    std::string_view bytes() const { return {m_bytes.constData(), std::size_t(m_bytes.size())}; }
    quint64 mask() const { return m_mask; }

    static constexpr quint64 OtherCharacters = quint64(1) << 63;

    // The summary of a text: one bit for each letter (either case), digit and common
    // punctuation mark it holds, and OtherCharacters for any other character (such characters
    // rule nothing out). A text without that bit is made of printable ASCII alone.
    static quint64 maskOf(QStringView text);
    // The same for code-page bytes.
    static quint64 maskOf(QByteArrayView bytes);

  private:
    QString m_text;
    QByteArray m_bytes;
    quint64 m_mask;
};
