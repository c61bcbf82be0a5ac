#include "model/reporttext.h"

#include "text/codepage.h"
#include "text/memoryhints.h"

#include <QFile>
#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Bytes read at a time: small enough to be split while they are still in the cache.
constexpr qint64 ChunkSize = 256 * 1024;

// Where the next CR or LF lies at or after from, or n when there is none. Report lines are
// short, so sixteen bytes are tested at a time where the processor can.
qsizetype nextBreak(const char* p, qsizetype from, qsizetype n) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; from + 16 <= n; from += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from));
        const int hits =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
        if (hits != 0) {
            return from + __builtin_ctz(unsigned(hits));
        }
    }
#endif
    while (from < n && p[from] != '\r' && p[from] != '\n') {
        ++from;
    }
    return from;
}

// The byte the code page gives the character, or -1 when it has none.
int byteOf(char16_t c) {
    const auto* table = codepage::byteTable();
    if (table == nullptr) {
        return c < 0x80 ? int(c) : -1;
    }
    if (c < 0x80 && (*table)[c] == c) {
        return int(c);
    }
    const auto at = std::find(table->begin(), table->end(), c);
    return at == table->end() ? -1 : int(at - table->begin());
}

// From this size on, a file is read ahead on a second thread while this one splits what has
// arrived: reading (the system's copy into fresh memory) costs about as much as splitting. The
// reading keeps at most a few pieces ahead of the splitting, so what it has read is still in
// the cache when the splitting comes to it.
constexpr qint64 ReadAheadFrom = 4 * 1024 * 1024;
constexpr qint64 MostAhead = 8 * ChunkSize;

// Reads a file into a buffer of a given size, piece by piece on a thread of its own, until the
// file ends, the buffer is full or a read fails; what has arrived is there to be split.
class ReadAhead {
  public:
    ReadAhead(QFile& file, char* buffer, qint64 capacity)
        : m_thread([this, &file, buffer, capacity] { run(file, buffer, capacity); }) {}
    // Stops the reading where it is (the splitting may have ended early, on a failure).
    ~ReadAhead() {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_taken.notify_one();
        m_thread.join();
    }
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // How many bytes have arrived once more than `have` have, or the reading has ended; the
    // bytes before `have` have been split.
    qint64 waitFor(qint64 have) {
        std::unique_lock lock(m_mutex);
        m_split = have;
        m_taken.notify_one();
        m_arrived.wait(lock, [&] { return m_available > have || m_ended; });
        return m_available;
    }
    // After the end: a read failed.
    bool failed() {
        const std::lock_guard lock(m_mutex);
        return m_failed;
    }

  private:
    void run(QFile& file, char* buffer, qint64 capacity) {
        qint64 got = 0;
        bool failed = false;
        while (got < capacity) {
            {
                std::unique_lock lock(m_mutex);
                m_taken.wait(lock, [&] { return got - m_split < MostAhead || m_stop; });
                if (m_stop) {
                    break;
                }
            }
            const qint64 piece = std::min(ChunkSize, capacity - got);
            memoryhints::prepareForWriting(buffer + got, std::size_t(piece));
            const qint64 n = file.read(buffer + got, piece);
            if (n <= 0) {
                failed = n < 0;
                break;
            }
            got += n;
            {
                const std::lock_guard lock(m_mutex);
                m_available = got;
            }
            m_arrived.notify_one();
        }
        {
            const std::lock_guard lock(m_mutex);
            m_failed = failed;
            m_ended = true;
        }
        m_arrived.notify_one();
    }

    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::condition_variable m_taken;
    qint64 m_available = 0;
    qint64 m_split = 0;
    bool m_stop = false;
    bool m_ended = false;
    bool m_failed = false;
    std::thread m_thread;  // last: it starts once the rest is set
};

}  // namespace

// Turns the bytes of a file, kept in the text, into its lines in place, piece by piece as they
// are read (while a piece is still in the cache): every break (CR LF, LF or a lone CR) becomes
// one "\n", a final break is dropped, and each line's start is noted. The lines move towards
// the front of the buffer as breaks shrink, so they never overtake the bytes still to split.
class ReportText::Splitter {
  public:
    explicit Splitter(ReportText& text) : m_text(text) {}

    // Splits the bytes up to end; a CR as the last of them waits for the next piece, whose first
    // byte may be its LF, unless this is the last piece.
    void feed(qsizetype end, bool last) {
        char* const p = m_text.m_bytes.data();
        while (m_read < end) {
            const qsizetype at = nextBreak(p, m_read, end);
            if (m_written != m_read) {
                moveLine(p, at, end);
            }
            m_written += at - m_read;
            m_read = at;
            if (at == end || (p[at] == '\r' && at + 1 == end && !last)) {
                break;
            }
            // The break's length is read before its first byte may be overwritten by the "\n".
            m_read = p[at] == '\r' && at + 1 < end && p[at + 1] == '\n' ? at + 2 : at + 1;
            m_text.addStart(m_lineStart);
            p[m_written++] = '\n';
            m_lineStart = m_written;
        }
    }

    void finish() {
        if (m_lineStart < m_written) {
            m_text.addStart(m_lineStart);  // a last line without a break
        } else if (m_written > 0) {
            --m_written;  // a final break does not start another line
        }
        m_text.addStart(m_written + 1);
        m_text.m_bytes.truncate(m_written);
    }

  private:
    // Moves the line's bytes from m_read up to `at` down to m_written. Most lines are short
    // and lie well behind the bytes still to split: they go as two 16-byte pieces without a
    // call, which may write past the line's end only over bytes already split.
    void moveLine(char* p, qsizetype at, qsizetype end) const {
#if defined(__SSE2__)
        constexpr qsizetype Piece = 32;
        if (at - m_read <= Piece && m_read - m_written >= Piece && m_read + Piece <= end) {
            const auto* from = reinterpret_cast<const __m128i*>(p + m_read);
            auto* to = reinterpret_cast<__m128i*>(p + m_written);
            const __m128i first = _mm_loadu_si128(from);
            const __m128i second = _mm_loadu_si128(from + 1);
            _mm_storeu_si128(to, first);
            _mm_storeu_si128(to + 1, second);
            return;
        }
#endif
        std::memmove(p + m_written, p + m_read, std::size_t(at - m_read));
    }

    ReportText& m_text;
    qsizetype m_read = 0;
    qsizetype m_written = 0;
    qsizetype m_lineStart = 0;
};

void ReportText::addStart(qsizetype start) {
    if (m_wideStarts.empty() && start > std::numeric_limits<quint32>::max()) {
        m_wideStarts.assign(m_starts.begin(), m_starts.end());
        m_starts = {};
    }
    if (m_wideStarts.empty()) {
        m_starts.push_back(quint32(start));
    } else {
        m_wideStarts.push_back(start);
    }
}

ReportText ReportText::decode(const QByteArray& bytes) {
    ReportText text;
    text.m_bytes = bytes;
    text.m_bytes.detach();
    Splitter splitter(text);
    splitter.feed(text.m_bytes.size(), true);
    splitter.finish();
    return text;
}

bool ReportText::read(const QString& path, ReportText& text, qint64& size) {
    text = ReportText();
    size = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return false;
    }
    // Read straight into the text's own buffer, grown should the file grow while it is read.
    QByteArray& bytes = text.m_bytes;
    bytes.resize(std::clamp<qint64>(file.size(), 0, std::numeric_limits<int>::max()) + 1);
    text.m_starts.reserve(std::size_t(bytes.size() / 8 + 2));
    memoryhints::preferLargePages(text.m_starts.data(), text.m_starts.capacity() * 4);
    Splitter splitter(text);
    bool failed = false;
    std::optional<ReadAhead> ahead;
    if (bytes.size() > ReadAheadFrom) {
        memoryhints::preferLargePages(bytes.data(), std::size_t(bytes.size()));
        try {
            ahead.emplace(file, bytes.data(), bytes.size());
        } catch (const std::system_error&) {
            // no thread to be had: read here
        }
    }
    if (ahead) {
        for (qint64 have = ahead->waitFor(size); have > size; have = ahead->waitFor(size)) {
            size = have;
            splitter.feed(size, false);
        }
        failed = ahead->failed();
        ahead.reset();
    } else {
        memoryhints::prepareForWriting(bytes.data(), std::size_t(bytes.size()));
    }
    // The rest, or all of a small file: the buffer doubles should the file have grown.
    while (!failed) {
        if (size == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const qint64 got = file.read(bytes.data() + size, std::min(ChunkSize, bytes.size() - size));
        failed = got < 0;
        if (got <= 0) {
            break;
        }
        size += got;
        splitter.feed(size, false);
    }
    if (failed) {
        text = ReportText();
        size = 0;
        return false;
    }
    splitter.feed(size, true);
    splitter.finish();
    return true;
}

ReportText ReportText::fromLines(const QStringList& lines) {
    ReportText text;
    qsizetype total = 0;
    bool wide = false;
    for (const QString& line : lines) {
        total += line.size() + 1;
        wide = wide || std::any_of(line.begin(), line.end(),
                                   [](QChar c) { return byteOf(c.unicode()) < 0; });
    }
    if (wide) {
        text.m_wide = lines.join(u'\n');
    } else {
        text.m_bytes.reserve(total);
        for (const QString& line : lines) {
            for (const QChar c : line) {
                text.m_bytes.append(char(byteOf(c.unicode())));
            }
            text.m_bytes.append('\n');
        }
        text.m_bytes.chop(text.m_bytes.isEmpty() ? 0 : 1);
    }
    qsizetype at = 0;
    for (const QString& line : lines) {
        text.addStart(at);
        at += line.size() + 1;
    }
    text.addStart(std::max<qsizetype>(at, 1));
    return text;
}

QString ReportText::at(qsizetype i) const {
    if (isWide()) {
        return wideLine(i).toString();
    }
    const QByteArrayView bytes = lineBytes(i);
    return codepage::decode(QByteArray::fromRawData(bytes.data(), bytes.size()));
}

void ReportText::decodeLine(qsizetype i, char16_t* out) const {
    if (isWide()) {
        const QStringView line = wideLine(i);
        std::copy(line.utf16(), line.utf16() + line.size(), out);
    } else {
        const QByteArrayView bytes = lineBytes(i);
        codepage::decodeInto(bytes.data(), bytes.size(), out);
    }
}

QString ReportText::text(qsizetype from, qsizetype to) const {
    if (to <= from) {
        return QString();
    }
    return isWide()
               ? m_wide.mid(from, to - from)
               : codepage::decode(QByteArray::fromRawData(m_bytes.constData() + from, to - from));
}

void ReportText::clear() {
    *this = ReportText();
}
