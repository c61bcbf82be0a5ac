#include "report/linemarker.h"

LineMarker::LineMarker(const QString& text) : m_text(text), m_mask(maskOf(text)) {}

quint64 LineMarker::maskOf(QStringView text) {
    quint64 mask = quint64(1) << 63;
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        mask |= quint64(1) << (p[i] % 63);
    }
    return mask;
}
