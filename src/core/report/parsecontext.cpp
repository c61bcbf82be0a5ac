#include "report/parsecontext.h"

#include <algorithm>

ParseContext::ParseContext(ServerModel& model_, MainViews& views_, ParseHooks& hooks_,
                           bool startedByCompare_)
    : model(model_),
      views(views_),
      hooks(hooks_),
      startedByCompare(startedByCompare_),
      m_lines(model_.ReportLines),
      m_summaries(m_lines) {}

ParseContext::TextSlot& ParseContext::decoded(int i) const {
    if (i < 0 || i >= m_lines.size()) {
        return m_empty;
    }
    TextSlot& slot = m_texts[std::size_t(i) % m_texts.size()];
    const qsizetype length = m_lines.lineLength(i);
    if (length > slot.capacity) {
        slot.capacity = std::max<qsizetype>(length, 256);
        slot.chars = std::make_unique_for_overwrite<char16_t[]>(std::size_t(slot.capacity));
    }
    m_lines.decodeLine(i, slot.chars.get());
    slot.line = i;
    slot.size = length;
    slot.textMade = false;
    return slot;
}

quint64 ParseContext::summarise(int i) const {
    m_summariesReady = m_summaries.ready();
    if (madeAhead(i)) {
        return m_summaries.summary(i);
    }
    MaskSlot& slot = m_masks[std::size_t(i) % m_masks.size()];
    slot = {i, m_lines.isWide() ? LineMarker::maskOf(m_lines.wideLine(i))
                                : LineMarker::maskOf(m_lines.lineBytes(i))};
    return slot.mask;
}

void ParseContext::keepSummariesFrom(int i) const {
    // The recognisers look a few lines back at most; a line further back is summarised again.
    constexpr int LookBack = 64;
    constexpr int KeepEvery = 64 * 1024;
    m_summariesLow = std::max(0, i - LookBack);
    m_summaries.keepFrom(m_summariesLow);
    m_nextKeep = i + KeepEvery;
}

void ParseContext::addSuggestion(const QString& text) {
    model.Suggestions.append(ServerModel::Bullet + text);
    model.Suggestions.append(QStringLiteral(" "));
}

namespace reporttext {

QString valueAfter(QStringView line, const QString& label) {
    const qsizetype pos = line.indexOf(label);
    return pos < 0 ? QString() : line.mid(pos + label.size(), 255).toString();
}

QString upToBlank(const QString& text) {
    const qsizetype blank = text.indexOf(u' ');
    return blank < 0 ? text : text.left(blank);
}

QStringList splitColon(QString text, int count) {
    QStringList parts;
    for (int k = 0; k < count - 1; ++k) {
        const qsizetype colon = text.indexOf(u':');
        if (colon < 0) {
            parts.append(QString());
        } else {
            parts.append(text.left(colon));
            text.remove(0, colon + 1);
        }
    }
    parts.append(text);
    return parts;
}

bool beginsWith(QStringView text, QChar c) {
    return !text.isEmpty() && text.at(0) == c;
}

}  // namespace reporttext
