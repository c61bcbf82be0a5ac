#include "report/parsecontext.h"

ParseContext::ParseContext(ServerModel& model_, MainViews& views_, ParseHooks& hooks_,
                           bool startedByCompare_)
    : model(model_),
      views(views_),
      hooks(hooks_),
      startedByCompare(startedByCompare_),
      m_lines(model_.ReportLines) {}

const QString& ParseContext::line(int i) const {
    if (i < 0 || i >= m_lines.size()) {
        return m_empty;
    }
    TextSlot& slot = m_texts[std::size_t(i) % m_texts.size()];
    if (slot.line != i) {
        slot.line = i;
        slot.text = m_lines.at(i).toString();
    }
    return slot.text;
}

quint64 ParseContext::summarise(int i) const {
    MaskSlot& slot = m_masks[std::size_t(i) % m_masks.size()];
    slot = {i, LineMarker::maskOf(m_lines.at(i))};
    return slot.mask;
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
