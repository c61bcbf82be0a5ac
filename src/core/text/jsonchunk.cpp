#include "text/jsonchunk.h"

#include <QChar>
#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

char hexDigit(unsigned v) {
    return char(v < 10 ? '0' + v : 'a' + v - 10);
}

char* writeUnitEscape(char* p, char16_t u) {
    *p++ = '\\';
    *p++ = 'u';
    *p++ = hexDigit((u >> 12) & 0xf);
    *p++ = hexDigit((u >> 8) & 0xf);
    *p++ = hexDigit((u >> 4) & 0xf);
    *p++ = hexDigit(u & 0xf);
    return p;
}

// An ASCII character that JSON escapes: the quote, the backslash and the control characters.
char* writeAsciiEscape(char* p, char16_t u) {
    char short_ = 0;
    switch (u) {
        case u'"':
            short_ = '"';
            break;
        case u'\\':
            short_ = '\\';
            break;
        case u'\b':
            short_ = 'b';
            break;
        case u'\f':
            short_ = 'f';
            break;
        case u'\n':
            short_ = 'n';
            break;
        case u'\r':
            short_ = 'r';
            break;
        case u'\t':
            short_ = 't';
            break;
        default:
            return writeUnitEscape(p, u);
    }
    *p++ = '\\';
    *p++ = short_;
    return p;
}

// Copies the characters as bytes and tells whether any of them needs more than that: a
// control character, the quote, the backslash or one from 0x80 up. One branch-free loop the
// compiler turns into vector code; the rare text that needs more is written again.
template <typename Unit>
bool copyPlainLoop(char* p, const Unit* src, qsizetype n) {
    unsigned special = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const Unit u = src[i];
        p[i] = char(u);
        special |= unsigned(Unit(u - 0x20) >= 0x60) | unsigned(u == '"') | unsigned(u == '\\');
    }
    return special != 0;
}

#if defined(__SSE2__)
// Sixteen characters as bytes: UTF-16 units packed with saturation, so that every unit from
// 0x80 up gives a byte that is negative as a signed byte, as the control characters are below
// the space.
__m128i bytesAt(const std::uint16_t* src) {
    return _mm_packus_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src)),
                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 8)));
}

__m128i bytesAt(const std::uint8_t* src) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
}

// copyPlainLoop() sixteen characters at a time; the last block overlaps the one before it.
template <typename Unit>
bool copyPlain(char* p, const Unit* src, qsizetype n) {
    if (n < 16) {
        return copyPlainLoop(p, src, n);
    }
    const __m128i space = _mm_set1_epi8(0x20);
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    __m128i special = _mm_setzero_si128();
    const auto block = [&](qsizetype i) {
        const __m128i bytes = bytesAt(src + i);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), bytes);
        special =
            _mm_or_si128(special, _mm_or_si128(_mm_cmplt_epi8(bytes, space),
                                               _mm_or_si128(_mm_cmpeq_epi8(bytes, quote),
                                                            _mm_cmpeq_epi8(bytes, backslash))));
    };
    qsizetype i = 0;
    for (; i + 16 <= n; i += 16) {
        block(i);
    }
    if (i < n) {
        block(n - 16);
    }
    return _mm_movemask_epi8(special) != 0;
}
#else
template <typename Unit>
bool copyPlain(char* p, const Unit* src, qsizetype n) {
    return copyPlainLoop(p, src, n);
}
#endif

// One character below 0x800 that copyPlain() left: an escape, itself, or two bytes of UTF-8.
char* writeSmall(char* p, char16_t u) {
    if (u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\') {
        *p++ = char(u);
    } else if (u < 0x80) {
        p = writeAsciiEscape(p, u);
    } else {
        *p++ = char(0xc0 | (u >> 6));
        *p++ = char(0x80 | (u & 0x3f));
    }
    return p;
}

}  // namespace

void JsonChunk::grow(qsizetype n) {
    const qsizetype capacity = std::max({m_capacity * 2, m_size + n, qsizetype(1) << 12});
    std::unique_ptr<char[]> data(new char[std::size_t(capacity)]);
    if (m_size > 0) {
        std::memcpy(data.get(), m_data.get(), std::size_t(m_size));
    }
    m_data = std::move(data);
    m_capacity = capacity;
}

char* JsonChunk::writeString(char* p, QStringView text) {
    *p++ = '"';
    const char16_t* src = text.utf16();
    const qsizetype n = text.size();
    if (!copyPlain(p, reinterpret_cast<const std::uint16_t*>(src), n)) {
        p += n;
        *p++ = '"';
        return p;
    }
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = src[i];
        if (u < 0x800) {
            p = writeSmall(p, u);
        } else if (!QChar::isSurrogate(u)) {
            *p++ = char(0xe0 | (u >> 12));
            *p++ = char(0x80 | ((u >> 6) & 0x3f));
            *p++ = char(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(src[i + 1])) {
            const char32_t c = QChar::surrogateToUcs4(u, src[i + 1]);
            ++i;
            *p++ = char(0xf0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3f));
            *p++ = char(0x80 | ((c >> 6) & 0x3f));
            *p++ = char(0x80 | (c & 0x3f));
        } else {
            p = writeUnitEscape(p, u);  // a lone surrogate has no UTF-8 form
        }
    }
    *p++ = '"';
    return p;
}

char* JsonChunk::writeString(char* p, QLatin1String text) {
    *p++ = '"';
    const auto* src = reinterpret_cast<const std::uint8_t*>(text.data());
    const qsizetype n = text.size();
    if (!copyPlain(p, src, n)) {
        p += n;
        *p++ = '"';
        return p;
    }
    for (qsizetype i = 0; i < n; ++i) {
        p = writeSmall(p, src[i]);
    }
    *p++ = '"';
    return p;
}
