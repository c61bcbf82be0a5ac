#include "abendtest.h"
#include "testsupport.h"

#include "abendlog/abendtext.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Title = QStringLiteral("Analyze Daltrix 4.11 ABEND.LOG:");

}  // namespace

TEST_F(AbendTest, ListsTheEntriesOfALogFile) {
    const QString path = testsupport::dataPath(QStringLiteral("abendlog/fs1-abend.log"));
    EXPECT_TRUE(abend().openLogFile(path).isNull());
    EXPECT_EQ(view().title, Title + QStringLiteral("  ") + QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(view().countLabel, QStringLiteral("# of Abends Found: 3"));
    // 52 line breaks and the empty line after the last one; 1,754 bytes.
    EXPECT_EQ(view().statusPanels[0], QStringLiteral("53 lines"));
    EXPECT_EQ(view().statusPanels[1], QStringLiteral("1K"));
    EXPECT_EQ(view().statusPanels[2], QString());
    EXPECT_EQ(view().textView, AbendTextView::File);
    EXPECT_EQ(view().AbendText.size(), 53);
    EXPECT_TRUE(view().fileText.startsWith(QStringLiteral("Abend log of FS1")));
    EXPECT_FALSE(view().busy);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    // The running process before the first entry is ignored; the first one of an entry wins;
    // "Created by: " is taken from one or two lines below, not three.
    ASSERT_EQ(view().entries.size(), 3);
    const AbendEntry& first = view().entries.at(0);
    EXPECT_EQ(first.DateTimeAndServer,
              QStringLiteral("Tuesday, March 3, 1998   2:14:25 pm  [FS1]"));
    EXPECT_EQ(first.AbendMessage, QStringLiteral("Page Fault Processor Exception"));
    EXPECT_EQ(first.RunningProcess, QStringLiteral("Server 07 Process (SERVER.DXP)"));
    EXPECT_EQ(first.StartLine, 4);
    const AbendEntry& second = view().entries.at(1);
    EXPECT_EQ(second.AbendMessage, QStringLiteral("General Protection Processor Exception"));
    EXPECT_EQ(second.RunningProcess, QStringLiteral("Polling Process (MONITOR.DXP)"));
    EXPECT_EQ(second.StartLine, 34);
    const AbendEntry& third = view().entries.at(2);
    EXPECT_EQ(third.AbendMessage, QStringLiteral("No colon in this line"));
    EXPECT_EQ(third.RunningProcess, QStringLiteral("Late Process ()"));
    EXPECT_EQ(third.StartLine, 45);
}

TEST_F(AbendTest, HaltedLinesAtTheEdges) {
    // A short halted line has no server name; a halted line as the last line has no message;
    // fields stop at 255 characters; an entry without a running process keeps it empty.
    const QString longDate = QString(300, u'd');
    openLog({QStringLiteral("Server halted now"), QStringLiteral("A: B: C: reason"),
             QStringLiteral("Server FS2 halted ") + longDate,
             QStringLiteral("x: ") + QString(300, u'r')});
    ASSERT_EQ(view().entries.size(), 2);
    EXPECT_EQ(view().entries.at(0).DateTimeAndServer, QStringLiteral("now  []"));
    EXPECT_EQ(view().entries.at(0).AbendMessage, QStringLiteral("C: reason"));
    EXPECT_EQ(view().entries.at(0).RunningProcess, QString());
    EXPECT_EQ(view().entries.at(1).DateTimeAndServer, QString(255, u'd') + "  [FS2]");
    EXPECT_EQ(view().entries.at(1).AbendMessage, QString(255, u'r'));
    EXPECT_EQ(view().entries.at(1).StartLine, 2);

    // Matching is case-sensitive and needs the blanks on both sides.
    openLog({QStringLiteral("Server FS1 HALTED today"), QStringLiteral("Server FS1 halted"),
             QStringLiteral("text")});
    EXPECT_TRUE(view().entries.isEmpty());
    EXPECT_EQ(view().countLabel, QStringLiteral("# of Abends Found: 0"));
}

TEST_F(AbendTest, ShowsTheCountAsEachEntryIsFound) {
    QStringList seen;
    abend().countChanged = [&] { seen.append(view().countLabel); };
    openLog(abendEntry(QStringLiteral("Monday"), {}) + abendEntry(QStringLiteral("Tuesday"), {}));
    EXPECT_EQ(seen, QStringList({QStringLiteral("# of Abends Found: 1"),
                                 QStringLiteral("# of Abends Found: 2")}));
}

TEST_F(AbendTest, AnUnreadableFileListsNothing) {
    openLog(abendEntry(QStringLiteral("Monday"), {}));
    ASSERT_EQ(view().entries.size(), 1);
    const QString missing = m_work.filePath(QStringLiteral("missing.log"));
    const QString error = abend().openLogFile(missing);
    EXPECT_EQ(error, QStringLiteral("No such file or directory"));
    EXPECT_EQ(takeMessages(), QStringList({error}));
    EXPECT_TRUE(view().entries.isEmpty());
    EXPECT_TRUE(view().AbendText.isEmpty());
    EXPECT_TRUE(view().fileText.isEmpty());
    EXPECT_EQ(view().countLabel, QStringLiteral("# of Abends Found: "));
    EXPECT_EQ(view().statusPanels, (std::array<QString, 3>{}));
    EXPECT_FALSE(view().busy);

    EXPECT_FALSE(abend().openLogFile(m_work.path()).isNull());  // a folder
    EXPECT_TRUE(view().entries.isEmpty());
}

// The lines share the log text's buffer: they stay as they were when the text changes or goes,
// and a change to one line reaches no other.
TEST(AbendText, SharedLinesOutliveTheText) {
    QString text = QString::fromLatin1("first\r\nsecond\nthird\r");
    QStringList lines = abendtext::splitLines(text);
    text.fill(u'x');
    text = QString();
    lines[0] += QStringLiteral("!");
    lines[1].truncate(3);
    EXPECT_EQ(lines, QStringList({"first!", "sec", "third", ""}));
}

TEST(AbendText, CountsTheLineAfterAFinalBreak) {
    using abendtext::splitLines;
    EXPECT_EQ(splitLines(QString()), QStringList({QString()}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb")), QStringList({"a", "b"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\r\n")), QStringList({"a", "b", ""}));
    EXPECT_EQ(splitLines(QStringLiteral("a\nb\rc\r")), QStringList({"a", "b", "c", ""}));
    const QString text = QStringLiteral("a\r\nbb\ncc\rd");
    EXPECT_EQ(abendtext::lineStart(text, 0), 0);
    EXPECT_EQ(abendtext::lineStart(text, 1), 3);
    EXPECT_EQ(abendtext::lineStart(text, 2), 6);
    EXPECT_EQ(abendtext::lineStart(text, 3), 9);
    EXPECT_EQ(abendtext::lineStart(text, 9), text.size());
}
