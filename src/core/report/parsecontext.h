#pragma once

#include "model/mainviews.h"
#include "model/servermodel.h"
#include "report/linemarker.h"
#include "report/linesummaries.h"
#include "report/parsehooks.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <string_view>

// What every recogniser of one parse shares: the model and views it fills, the report's
// lines with look-ahead, the hooks, and the header states that two recognisers use.
class ParseContext {
  public:
    ParseContext(ServerModel& model, MainViews& views, ParseHooks& hooks, bool startedByCompare);

    ServerModel& model;
    MainViews& views;
    ParseHooks& hooks;
    const bool startedByCompare;

    bool headerMode = true;
    bool headerShown = false;

    // Line i of the report; a line beyond the last one reads as empty. The reference stays
    // valid while only lines less than eight apart from i are read.
    const QString& line(int i) const {
        TextSlot& cached = m_texts[std::size_t(i) % m_texts.size()];
        TextSlot& slot = cached.line == i && i >= 0 ? cached : decoded(i);
        if (!slot.textMade) {
            slot.text = slot.view().toString();
            slot.textMade = true;
        }
        return slot.text;
    }
    // The same line as a view, valid as long as the reference is; it costs no string.
    QStringView view(int i) const {
        const TextSlot& slot = m_texts[std::size_t(i) % m_texts.size()];
        return slot.line == i && i >= 0 ? slot.view() : decoded(i).view();
    }
    int lineCount() const { return int(m_lines.size()); }
    // True when the lines can be read as the file's bytes (see bytes()).
    bool byteLines() const { return !m_lines.isWide(); }
    // Line i as the file's code-page bytes, where ASCII stands for itself; a line beyond the
    // last one is empty. Only while byteLines() is true.
    QByteArrayView bytes(int i) const {
        return (i >= 0 && i < m_lines.size()) ? m_lines.lineBytes(i) : QByteArrayView();
    }
    // Line i contains the marker (a line beyond the last one is empty). Inline, as the
    // recognisers ask it several times for every line and the summaries settle most answers.
    bool has(int i, const LineMarker& marker) const {
        if (i < 0 || i >= m_lines.size()) {
            return marker.text().isEmpty();
        }
        if (!mayHave(i, marker)) {
            return false;
        }
        if (m_lines.isWide()) {
            return m_lines.wideLine(i).contains(marker.text());
        }
        const QByteArrayView bytes = m_lines.lineBytes(i);
        return std::string_view(bytes.data(), std::size_t(bytes.size())).find(marker.bytes()) !=
               std::string_view::npos;
    }
    // False when line i (which must exist) lacks a character of the marker, so it cannot hold
    // the marker nor any text made of the marker's characters and more.
    bool mayHave(int i, const LineMarker& marker) const {
        return (maskOfLine(i) & marker.mask()) == marker.mask();
    }

    // Line i (which must exist) is made of printable ASCII alone, as its summary tells.
    bool printable(int i) const { return (maskOfLine(i) & LineMarker::OtherCharacters) == 0; }
    // The character summary of line i, which must exist. The parse asks for its lines in order
    // through this, which lets the summaries made ahead move on.
    quint64 summary(int i) const {
        if (i >= m_nextKeep) {
            keepSummariesFrom(i);
        }
        return maskOfLine(i);
    }

    // Appends a suggestion: the bullet prefix and text, then a line holding one blank.
    void addSuggestion(const QString& text);
    // Ends the making of summaries ahead; call it before the lines go.
    void stopSummaries() { m_summaries.stop(); }

  private:
    // The character summary of line i, which must exist.
    quint64 maskOfLine(int i) const {
        if (madeAhead(i)) {
            return m_summaries.summary(i);
        }
        const MaskSlot& slot = m_masks[std::size_t(i) % m_masks.size()];
        return slot.line == i ? slot.mask : summarise(i);
    }
    // The summary of line i was made ahead and is still kept, as last asked.
    bool madeAhead(int i) const { return i < m_summariesReady && i >= m_summariesLow; }
    quint64 summarise(int i) const;
    void keepSummariesFrom(int i) const;
    struct TextSlot;
    // Decodes line i into its slot (or gives an empty slot for a line beyond the last one).
    TextSlot& decoded(int i) const;

    const ReportText& m_lines;
    // The summaries made ahead on a thread of their own: how many were ready when last asked,
    // the lowest line they are still kept for, and the line at which to move that on.
    mutable LineSummaries m_summaries;
    mutable int m_summariesReady = 0;
    mutable int m_summariesLow = 0;
    mutable int m_nextKeep = 0;
    // The last lines looked at, as text and as character summaries: the recognisers look at
    // most four lines ahead, so a few slots serve a whole parse and each line is decoded only
    // while it is being read, into a slot's string that keeps its memory.
    struct TextSlot {
        int line = -1;
        std::unique_ptr<char16_t[]> chars;
        qsizetype size = 0;
        qsizetype capacity = 0;
        bool textMade = true;  // text holds the line (made only when a reader asks for it)
        QString text;

        QStringView view() const { return QStringView(chars.get(), size); }
    };
    struct MaskSlot {
        int line = -1;
        quint64 mask = 0;
    };
    mutable std::array<TextSlot, 8> m_texts;
    mutable TextSlot m_empty;
    mutable std::array<MaskSlot, 8> m_masks;
};

namespace reporttext {

// The text right after the label's first occurrence, cut at 255 characters.
QString valueAfter(QStringView line, const QString& label);
// The text before the first blank (all of it when there is none).
QString upToBlank(const QString& text);
// Splits at ":" into count parts; the last part is the rest, a missing ":" yields empty parts.
QStringList splitColon(QString text, int count);
// True when the text is not empty and its first character is c.
bool beginsWith(QStringView text, QChar c);

}  // namespace reporttext
