// The INI layer on any file. The input is the file, optionally preceded by a section, key and
// value (one per line) and a NUL byte. Properties: raw lines written back give the same bytes;
// decoded lines written and read again are the same lines; a keyed write reads back as written
// and leaves every other line's text in place.

#include "fuzzsupport.h"

#include "ini/inifile.h"
#include "ini/inilines.h"
#include "text/codepage.h"

#include <QFile>
#include <vector>

namespace {

using fuzzsupport::require;

QString blanksTrimmed(QString text) {
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t')) {
        text.remove(0, 1);
    }
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t')) {
        text.chop(1);
    }
    return text;
}

// A name as a file can hold it: one line, without the characters that end it.
QString nameFrom(QString text, const QString& banned) {
    for (const QChar c : banned) {
        text.remove(c);
    }
    return blanksTrimmed(text);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every line of `before` is in `after`, in order, but for at most one. Lines may repeat, so
// the test matches prefixes of `before` as early as possible and suffixes as late as possible
// and looks for one line whose prefix ends before its suffix begins.
bool keepsOtherLines(const QList<IniLines::RawLine>& before,
                     const QList<IniLines::RawLine>& after) {
    const qsizetype n = before.size();
    // ends[i]: where in `after` the earliest match of before[0, i) ends (one past), or -1.
    std::vector<qsizetype> ends(std::size_t(n) + 1, -1);
    ends[0] = 0;
    for (qsizetype i = 0, k = 0; i < n; ++i) {
        while (k < after.size() && after.at(k).text != before.at(i).text) {
            ++k;
        }
        if (k == after.size()) {
            break;
        }
        ends[std::size_t(i) + 1] = ++k;
    }
    if (ends[std::size_t(n)] >= 0) {
        return true;
    }
    // starts[i]: where in `after` the latest match of before[i, n) starts, or -1.
    std::vector<qsizetype> starts(std::size_t(n) + 1, -1);
    starts[std::size_t(n)] = after.size();
    for (qsizetype i = n - 1, k = after.size() - 1; i >= 0; --i) {
        while (k >= 0 && after.at(k).text != before.at(i).text) {
            --k;
        }
        if (k < 0) {
            break;
        }
        starts[std::size_t(i)] = k--;
    }
    for (qsizetype d = 0; d < n; ++d) {
        const qsizetype end = ends[std::size_t(d)];
        const qsizetype start = starts[std::size_t(d) + 1];
        if (end >= 0 && start >= 0 && end <= start) {
            return true;
        }
    }
    return false;
}

void rawAndLineRoundTrips(const QString& path, const QByteArray& file) {
    QList<IniLines::RawLine> raw;
    require(IniLines::loadRaw(path, raw), "the file reads");
    const QString copy = fuzzsupport::scratch() + "copy.ini";
    IniLines::saveRaw(copy, raw);
    require(readAll(copy) == file, "raw lines give the same bytes");
    const QStringList lines = IniLines::load(path);
    IniLines::save(copy, lines);
    require(IniLines::load(copy) == lines, "written lines read back as written");
}

void keyedWrite(const QString& path, const QStringList& params) {
    const QString section = nameFrom(params.value(0, "Section"), "[]\r\n=");
    const QString key = nameFrom(params.value(1, "Key"), "[]\r\n=;");
    const QString value = nameFrom(params.value(2, "Value"), "\r\n").left(IniFile::kMaxValueLength);
    IniFile ini(path);
    ini.readString(section, key, QString());
    ini.readInteger(section, key, 0);
    ini.readSectionKeys(section);
    ini.readSectionEntries(section);
    if (section.isEmpty() || key.isEmpty()) {
        return;
    }
    QList<IniLines::RawLine> before;
    require(IniLines::loadRaw(path, before), "the file reads");
    ini.writeString(section, key, value);
    require(ini.readString(section, key, QStringLiteral("\x01missing")) == value,
            "a written key reads back as written");
    QList<IniLines::RawLine> after;
    require(IniLines::loadRaw(path, after), "the written file reads");
    require(keepsOtherLines(before, after), "untouched lines keep their text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = fuzzsupport::bytes(data, size);
    const qsizetype nul = input.indexOf('\0');
    const QByteArray file = nul < 0 ? input : input.mid(nul + 1);
    const QStringList params =
        nul < 0 ? QStringList() : codepage::splitLines(codepage::decode(input.left(nul)));
    const QString path = fuzzsupport::writeFile("fuzz.ini", file);
    rawAndLineRoundTrips(path, file);
    keyedWrite(path, params);
    return 0;
}
