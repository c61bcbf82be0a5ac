#include "report/linemarker.h"

#include "text/codepage.h"

#include <array>
#include <string_view>

LineMarker::LineMarker(const QString& text)
    : m_text(text), m_bytes(codepage::encode(text)), m_mask(maskOf(text)) {}

namespace {

constexpr quint64 OtherBit = quint64(1) << 63;

// The bit of each ASCII character, looked up rather than computed on every character. Letters
// share a bit with their other case, so the few bits go to telling apart the characters that
// markers are made of; the two cases of a letter seldom decide whether a line may hold one.
const std::array<quint64, 128>& asciiBits() {
    static const std::array<quint64, 128> bits = [] {
        std::array<quint64, 128> out{};
        out.fill(OtherBit);
        int next = 0;
        for (char c = 'A'; c <= 'Z'; ++c) {
            out[std::size_t(c)] = out[std::size_t(c - 'A' + 'a')] = quint64(1) << next++;
        }
        for (char c = '0'; c <= '9'; ++c) {
            out[std::size_t(c)] = quint64(1) << next++;
        }
        for (const char c : std::string_view(" -.:[]=/\\(),_*\"'#%+<>@&!?;$")) {
            out[std::size_t(c)] = quint64(1) << next++;
        }
        Q_ASSERT(next == 63);  // every bit below the one for other characters is in use
        return out;
    }();
    return bits;
}

}  // namespace

quint64 LineMarker::maskOf(QStringView text) {
    const std::array<quint64, 128>& bits = asciiBits();
    quint64 mask = OtherBit;
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        mask |= c < 128 ? bits[c] : OtherBit;
    }
    return mask;
}

quint64 LineMarker::maskOf(QByteArrayView bytes) {
    // A byte above 127 is never an ASCII character in the code page, as above.
    const std::array<quint64, 128>& bits = asciiBits();
    quint64 mask = OtherBit;
    const uchar* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const uchar c = p[i];
        mask |= c < 128 ? bits[c] : OtherBit;
    }
    return mask;
}
