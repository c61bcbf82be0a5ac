#include "report/linemarker.h"

#include <array>

LineMarker::LineMarker(const QString& text) : m_text(text), m_mask(maskOf(text)) {}

namespace {

// The bit of each ASCII character, looked up rather than computed on every character.
const std::array<quint64, 128>& asciiBits() {
    static const std::array<quint64, 128> bits = [] {
        std::array<quint64, 128> out{};
        for (int c = 0; c < 128; ++c) {
            out[std::size_t(c)] = quint64(1) << (c % 63);
        }
        return out;
    }();
    return bits;
}

}  // namespace

quint64 LineMarker::maskOf(QStringView text) {
    const std::array<quint64, 128>& bits = asciiBits();
    quint64 mask = quint64(1) << 63;
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        mask |= c < 128 ? bits[c] : quint64(1) << (c % 63);
    }
    return mask;
}
