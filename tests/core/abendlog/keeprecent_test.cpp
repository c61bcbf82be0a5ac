#include "abendtest.h"

namespace {

const QString Question = QStringLiteral(
    "Analyze only last 64K of log file (recommended)?\r\nThese are the most recent abends.");

// A log of exactly `bytes` bytes that counts `lines` lines: lines - 1 text lines ending with
// CR LF and an empty last line, or, without a final break, `lines` text lines. Text line k
// (from 0) starts with its number; `halted` lines are halted lines of server S<k>.
QByteArray sizedLog(int lines, qint64 bytes, bool finalBreak, const QList<int>& halted = {}) {
    const int textLines = finalBreak ? lines - 1 : lines;
    const qint64 content = bytes - 2 * qint64(lines - 1);
    QByteArray out;
    for (int k = 0; k < textLines; ++k) {
        const qint64 length = content / textLines + (k < content % textLines ? 1 : 0);
        QByteArray line = halted.contains(k) ? "Server S" + QByteArray::number(k) + " halted now"
                                             : "line " + QByteArray::number(k) + ' ';
        line = line.leftJustified(length, '.');
        out += line;
        if (k + 1 < textLines || finalBreak) {
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace

TEST_F(AbendTest, AsksToCutOnlyBigLogsWithManyLines) {
    struct Case {
        int lines;
        qint64 bytes;
        bool finalBreak;
        bool asks;
    };
    const Case cases[] = {
        {5000, 102400, true, false},   // 100 whole kilobytes
        {1201, 103424, true, true},    // 101 kilobytes, 1,200 lines and the empty one
        {1201, 103424, false, true},   // 1,201 lines without a final break
        {1200, 103424, true, false},   // 1,199 lines and the empty one
        {1200, 500000, false, false},  // any size with 1,200 lines
        {1201, 104447, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 lines, %2 bytes").arg(c.lines).arg(c.bytes).toStdString());
        const QByteArray log = sizedLog(c.lines, c.bytes, c.finalBreak);
        ASSERT_EQ(log.size(), c.bytes);
        EXPECT_TRUE(abend().openLogFile(writeWork(QStringLiteral("a.log"), log)).isNull());
        EXPECT_EQ(view().statusPanels[0], QString::number(c.lines) + QStringLiteral(" lines"));
        EXPECT_EQ(view().statusPanels[1], QString::number(c.bytes / 1024) + u'K');
        EXPECT_EQ(takeMessages(), c.asks ? QStringList({Question}) : QStringList());
        EXPECT_EQ(view().statusPanels[2], QString());  // answered No: nothing cut
        EXPECT_EQ(view().AbendText.size(), c.lines);
    }
}

TEST_F(AbendTest, KeepsTheLast1200LinesAndScansThem) {
    const QByteArray log = sizedLog(2001, 150000, true, {10, 1000, 1999});
    const QString path = writeWork(QStringLiteral("big.log"), log);
    m_dialogs.queueAnswer(Answer::Yes);
    EXPECT_TRUE(abend().openLogFile(path).isNull());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().at(0).buttons, MessageButtons::YesNo);
    EXPECT_EQ(m_dialogs.messages().at(0).kind, MessageKind::Confirmation);

    // Text lines 800 to 1999 and the empty line after the last break.
    const QList<QByteArray> all = log.split('\n');
    QByteArray kept;
    for (int k = 800; k < 2000; ++k) {
        kept += all.at(k) + '\n';
    }
    EXPECT_EQ(view().fileText.toLatin1(), kept);
    ASSERT_EQ(view().AbendText.size(), 1201);
    EXPECT_TRUE(view().AbendText.first().startsWith(QStringLiteral("line 800 ")));
    EXPECT_EQ(view().AbendText.last(), QString());
    EXPECT_EQ(view().statusPanels[0], QStringLiteral("2001 lines"));
    EXPECT_EQ(view().statusPanels[1], QStringLiteral("146K"));
    EXPECT_EQ(view().statusPanels[2], QStringLiteral("1201 lines after 64K adjustment"));
    EXPECT_EQ(view().selectionStart, -1);

    // Only the entries of the kept text, numbered in it.
    ASSERT_EQ(view().entries.size(), 2);
    EXPECT_TRUE(view().entries.at(0).DateTimeAndServer.endsWith(QStringLiteral("  [S1000]")));
    EXPECT_EQ(view().entries.at(0).StartLine, 200);
    EXPECT_EQ(view().entries.at(1).StartLine, 1199);
    EXPECT_EQ(view().countLabel, QStringLiteral("# of Abends Found: 2"));
}

TEST_F(AbendTest, TheCutKeepsTheTailOfALogWithoutAFinalBreak) {
    const QByteArray log = sizedLog(2000, 150000, false, {1999});
    m_dialogs.queueAnswer(Answer::Yes);
    abend().openLogFile(writeWork(QStringLiteral("tail.log"), log));
    const QList<QByteArray> all = log.split('\n');
    EXPECT_TRUE(view().fileText.toLatin1().endsWith(all.last()));
    EXPECT_TRUE(view().fileText.startsWith(QStringLiteral("line 799 ")));
    EXPECT_EQ(view().AbendText.size(), 1201);
    EXPECT_EQ(view().statusPanels[2], QStringLiteral("1201 lines after 64K adjustment"));
    ASSERT_EQ(view().entries.size(), 1);  // the newest abend, on the last line
    EXPECT_EQ(view().entries.at(0).StartLine, 1200);
}
