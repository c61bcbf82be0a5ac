#include "model/reporttext.h"

#include "text/codepage.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <limits>

namespace {

// Bytes read at a time: small enough to stay in the cache while they are decoded.
constexpr qint64 ChunkSize = 256 * 1024;

}  // namespace

// Decodes text given piece by piece into the joined text: every break (CR LF, LF or a lone CR)
// becomes one "\n", a final break is dropped, and each line's start is noted. A CR LF split
// between two pieces is still one break.
class ReportText::Joiner {
  public:
    Joiner(ReportText& text, qsizetype expected) : m_text(text) {
        m_text = ReportText();
        m_text.m_text = QString(expected, Qt::Uninitialized);
        m_out = reinterpret_cast<char16_t*>(m_text.m_text.data());
    }

    template <typename CharAt>
    void feed(CharAt at, qsizetype n) {
        makeRoom(n);
        char16_t* const out = m_out;
        qsizetype w = m_written;
        for (qsizetype r = 0; r < n; ++r) {
            const char16_t c = at(r);
            if (c != u'\n' && c != u'\r') {
                out[w++] = c;
                m_afterCr = false;
                continue;
            }
            if (c == u'\n' && m_afterCr) {
                m_afterCr = false;  // the LF of a CR LF
                continue;
            }
            addStart(m_lineStart);
            out[w++] = u'\n';
            m_lineStart = w;
            m_afterCr = c == u'\r';
        }
        m_written = w;
    }

    void finish() {
        if (m_lineStart < m_written) {
            addStart(m_lineStart);  // a last line without a break
        } else if (m_written > 0) {
            --m_written;  // a final break does not start another line
        }
        addStart(m_written + 1);
        m_text.m_text.truncate(m_written);
    }

  private:
    void makeRoom(qsizetype n) {
        QString& text = m_text.m_text;
        if (m_written + n > text.size()) {  // the file grew while it was read
            text.resize(std::max(text.size() * 2, m_written + n));
            m_out = reinterpret_cast<char16_t*>(text.data());
        }
    }

    void addStart(qsizetype start) {
        if (m_text.m_wideStarts.empty() && start > std::numeric_limits<quint32>::max()) {
            m_text.m_wideStarts.assign(m_text.m_starts.begin(), m_text.m_starts.end());
            m_text.m_starts = {};
        }
        if (m_text.m_wideStarts.empty()) {
            m_text.m_starts.push_back(quint32(start));
        } else {
            m_text.m_wideStarts.push_back(start);
        }
    }

    ReportText& m_text;
    char16_t* m_out = nullptr;
    qsizetype m_written = 0;
    qsizetype m_lineStart = 0;
    bool m_afterCr = false;
};

ReportText ReportText::decode(const QByteArray& bytes) {
    ReportText text;
    Joiner joiner(text, bytes.size());
    if (const auto* table = codepage::byteTable()) {
        const uchar* from = reinterpret_cast<const uchar*>(bytes.constData());
        joiner.feed([&](qsizetype r) { return (*table)[from[r]]; }, bytes.size());
    } else {
        const QString decoded = codepage::decode(bytes);
        joiner.feed([&](qsizetype r) { return decoded.at(r).unicode(); }, decoded.size());
    }
    joiner.finish();
    return text;
}

bool ReportText::read(const QString& path, ReportText& text, qint64& size) {
    text = ReportText();
    size = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const qint64 expected = std::clamp<qint64>(file.size(), 0, std::numeric_limits<int>::max());
    Joiner joiner(text, qsizetype(expected));
    const auto* table = codepage::byteTable();
    QStringDecoder decoder("windows-1252");
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), ChunkSize);
        if (got < 0) {
            text = ReportText();
            size = 0;
            return false;
        }
        if (got == 0) {
            break;
        }
        size += got;
        if (table != nullptr) {
            const uchar* from = reinterpret_cast<const uchar*>(chunk.constData());
            joiner.feed([&](qsizetype r) { return (*table)[from[r]]; }, qsizetype(got));
        } else {
            const QString decoded = decoder.decode(QByteArrayView(chunk.constData(), got));
            joiner.feed([&](qsizetype r) { return decoded.at(r).unicode(); }, decoded.size());
        }
    }
    joiner.finish();
    return true;
}

ReportText ReportText::fromLines(const QStringList& lines) {
    ReportText text;
    Joiner joiner(text, 0);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString& line = lines.at(k);
        joiner.feed([&](qsizetype r) { return line.at(r).unicode(); }, line.size());
        joiner.feed([](qsizetype) { return u'\n'; }, 1);
    }
    joiner.finish();
    return text;
}

void ReportText::clear() {
    *this = ReportText();
}
