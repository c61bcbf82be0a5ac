#include "text/codepage.h"
#include "model/reporttext.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <random>
#include <utility>

// The one-pass readers give what the decoder and the line splitter give, for every byte and
// every kind of line break, a final break or none.
TEST(CodePage, OnePassLinesEqualDecodedAndSplitText) {
    std::mt19937 rng(3);
    const QByteArray breaks[] = {"\r\n", "\n", "\r", "\n\r", "\r\r\n"};
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int parts = int(rng() % 8);
        for (int p = 0; p < parts; ++p) {
            const int length = int(rng() % 6);
            for (int k = 0; k < length; ++k) {
                bytes += char(rng() % 256);
            }
            if (rng() % 3 != 0) {
                bytes += breaks[rng() % 5];
            }
        }
        QStringDecoder decoder("windows-1252");
        const QString viaDecoder = decoder.decode(bytes);
        ASSERT_EQ(codepage::decode(bytes), viaDecoder);
        const QStringList lines = codepage::decodeLines(bytes);
        ASSERT_EQ(lines, codepage::splitLines(viaDecoder));
        // The report's text holds the same lines, as views into one joined text.
        for (const ReportText& text : {ReportText::decode(bytes), ReportText::fromLines(lines)}) {
            ASSERT_EQ(text.size(), lines.size());
            for (qsizetype i = 0; i < lines.size(); ++i) {
                ASSERT_EQ(text.at(i), lines.at(i)) << "line " << i;
            }
            ASSERT_EQ(text.joined(), lines.join(u'\n'));
        }
    }
    EXPECT_EQ(codepage::decode(QByteArray("\x95\x80\x81")), QStringLiteral("\u2022\u20ac\u0081"));
    // Text the code page cannot hold is kept as it is.
    const QStringList wide{QStringLiteral("\u4e2d\u20ac"), QString(), QStringLiteral("x")};
    const ReportText text = ReportText::fromLines(wide);
    EXPECT_TRUE(text.isWide());
    EXPECT_EQ(text.at(0), wide.at(0));
    EXPECT_EQ(text.joined(), wide.join(u'\n'));
    EXPECT_EQ(text.text(1, 5), QStringLiteral("\u20ac\n\nx"));
}

// A file is read in pieces: a CR LF split between two pieces is one break, and the text equals
// the one decoded from the whole file's bytes, also past a few megabytes.
TEST(CodePage, ReportTextReadInPiecesEqualsDecodedBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    std::mt19937 rng(7);
    const std::pair<qsizetype, qsizetype> cases[] = {{256 * 1024 - 1, 600 * 1024},
                                                     {512 * 1024 - 1, 600 * 1024},
                                                     {(4 << 20) + 256 * 1024 - 1, 5 << 20}};
    for (const auto& [crAt, total] : cases) {
        QByteArray bytes;
        while (bytes.size() < total) {
            bytes += bytes.size() < crAt && bytes.size() + 40 > crAt
                         ? QByteArray(crAt - bytes.size(), 'a') + "\r\n"
                         : QByteArray(int(rng() % 30), char(0x80 + rng() % 100)) + "\r\n";
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        ReportText text;
        qint64 size = 0;
        ASSERT_TRUE(ReportText::read(path, text, size));
        const ReportText expected = ReportText::decode(bytes);
        EXPECT_EQ(size, bytes.size());
        ASSERT_EQ(text.size(), expected.size());
        EXPECT_EQ(text.joined(), expected.joined());
        EXPECT_EQ(text.at(text.size() - 1), expected.at(expected.size() - 1));
    }
    ReportText text;
    qint64 size = 1;
    EXPECT_FALSE(ReportText::read(dir.filePath(QStringLiteral("missing.txt")), text, size));
    EXPECT_TRUE(text.isEmpty());
}
