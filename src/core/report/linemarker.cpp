#include "report/linemarker.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

// Markers are ASCII, which stands for itself in the report's bytes.
LineMarker::LineMarker(const QString& text)
    : m_text(text), m_bytes(text.toLatin1()), m_mask(maskOf(text)) {
    Q_ASSERT(std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }));
}

namespace {

// The bit of each ASCII character, looked up rather than computed on every character. Letters
// share a bit with their other case, so the few bits go to telling apart the characters that
// markers are made of; the two cases of a letter seldom decide whether a line may hold one.
const std::array<quint64, 128>& asciiBits() {
    static const std::array<quint64, 128> bits = [] {
        std::array<quint64, 128> out{};
        out.fill(LineMarker::OtherCharacters);
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

// A character above 127 (a byte above 127 is never an ASCII character in the code page)
// stands for the other bit.
template <typename Unit>
quint64 summaryOf(const Unit* p, qsizetype n) {
    const std::array<quint64, 128>& bits = asciiBits();
    quint64 mask = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const Unit c = p[i];
        mask |= c < 128 ? bits[c] : LineMarker::OtherCharacters;
    }
    return mask;
}

}  // namespace

quint64 LineMarker::maskOf(QStringView text) {
    return summaryOf(text.utf16(), text.size());
}

quint64 LineMarker::maskOf(QByteArrayView bytes) {
    // Every line of a report is summarised: the bits of all 256 bytes in one table (a byte
    // above 127 stands for the other bit), eight bytes read at a time, and four summaries
    // built side by side so no one chain of ORs holds up the next byte.
    static const std::array<quint64, 256> bits = [] {
        std::array<quint64, 256> out{};
        out.fill(LineMarker::OtherCharacters);
        std::copy(asciiBits().begin(), asciiBits().end(), out.begin());
        return out;
    }();
    const uchar* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    quint64 a = 0;
    quint64 b = 0;
    quint64 c = 0;
    quint64 d = 0;
    const auto eight = [&](qsizetype at) {
        quint64 word;
        std::memcpy(&word, p + at, 8);
        a |= bits[word & 0xFF] | bits[(word >> 32) & 0xFF];
        b |= bits[(word >> 8) & 0xFF] | bits[(word >> 40) & 0xFF];
        c |= bits[(word >> 16) & 0xFF] | bits[(word >> 48) & 0xFF];
        d |= bits[(word >> 24) & 0xFF] | bits[word >> 56];
    };
    if (n >= 8) {
        for (qsizetype i = 0; i + 8 < n; i += 8) {
            eight(i);
        }
        eight(n - 8);  // the last eight, overlapping bytes already seen: a summary is an OR
    } else if (n >= 4) {
        quint32 head;
        quint32 tail;
        std::memcpy(&head, p, 4);
        std::memcpy(&tail, p + n - 4, 4);
        a |= bits[head & 0xFF] | bits[tail & 0xFF];
        b |= bits[(head >> 8) & 0xFF] | bits[(tail >> 8) & 0xFF];
        c |= bits[(head >> 16) & 0xFF] | bits[(tail >> 16) & 0xFF];
        d |= bits[head >> 24] | bits[tail >> 24];
    } else {
        for (qsizetype i = 0; i < n; ++i) {
            a |= bits[p[i]];
        }
    }
    return a | b | c | d;
}
