#include "reportparsing.h"

namespace {

const char* const Table = R"(Volume Name      Name Spaces Loaded
---------------  ------------------
SYS              DOS
sys              LONG
DATA             DOS
DATA             MAC

*******************************************************************************
)";

// One statistics block; an empty size leaves out the "Volume Size" line.
QString block(const QString& heading, const QString& size, const QString& free,
              const QString& purgable) {
    QString text =
        QStringLiteral("***** Volume Statistics for ") + heading + QStringLiteral(" *****\n");
    if (!size.isEmpty()) {
        text += QStringLiteral("Volume Size................: ") + size + u'\n';
    }
    return text +
           QStringLiteral(
               "Block Size.................: 4 KB\n"
               "Free Blocks................: ") +
           free + QStringLiteral("\nPurgable Blocks............: ") + purgable +
           QStringLiteral("\nPurgable Disk Space........: 48 KB\n\n");
}

// A volume table of the given volumes, one name space each, and one block per volume.
std::unique_ptr<Parsed> volumes(const QList<std::pair<QString, QString>>& freeAndPurgable) {
    QString table = QStringLiteral("Volume Name      Name Spaces Loaded\n");
    QString blocks;
    int n = 0;
    for (const auto& [free, purgable] : freeAndPurgable) {
        const QString name = QStringLiteral("VOL%1").arg(++n);
        table += pad(name, 17) + QStringLiteral("DOS\n");
        blocks += block(name, QString(), free, purgable);
    }
    return parseText(table + QStringLiteral("\n*****\n") + blocks);
}

}  // namespace

TEST(Volumes, StatisticsFillRecordsByPositionAndTheLastRowDecidesTheHeading) {
    // The blocks name the volumes in the wrong order: only their position counts.
    auto sizedFirst = parseText(QString::fromUtf8(Table) + block("DATA", "1024 MB", "1499", "310") +
                                block("SYS", "", "30000", "0"));
    const ServerModel& m = sizedFirst->model;
    ASSERT_EQ(m.VolumeCount, 2);
    EXPECT_EQ(m.Volumes[0].Name, "SYS");
    EXPECT_EQ(m.Volumes[0].NameSpaces, "DOS, LONG");
    EXPECT_EQ(m.Volumes[0].VolumeSize, "1024 MB");
    EXPECT_EQ(m.Volumes[0].FreeBlocks, "1499");
    EXPECT_EQ(m.Volumes[1].NameSpaces, "DOS, MAC");
    EXPECT_EQ(m.Volumes[1].PurgableDiskSpace, "48 KB");
    EXPECT_EQ(m.VolumeStatsCount, 2);
    const MainViews& v = sizedFirst->views;
    EXPECT_EQ(
        v.VolListBox,
        QStringList(
            {pad("SYS", 16) + pad("1024 MB", 20) + pad("1499", 13) + pad("310", 15) + "48 KB",
             pad("DATA", 16) + pad("DOS, MAC", 30) + pad("30000", 13) + pad("0", 15) + "48 KB"}));
    EXPECT_EQ(v.VolumeHeader[1], pad("Name Spaces Loaded", 49));
    EXPECT_EQ(v.VolCountLabel, "(2 mounted volumes)");
    EXPECT_EQ(sizedFirst->suggestions(),
              QStringList{"Purge suggested for volume SYS...free blocks = 1499"});

    auto sizedLast = parseText(QString::fromUtf8(Table) + block("SYS", "", "30000", "0") +
                               block("DATA", "4096 MB", "20000", "0"));
    EXPECT_EQ(sizedLast->views.VolumeHeader[1], pad("Volume Size", 37));
    EXPECT_EQ(sizedLast->views.VolListBox.at(1),
              pad("DATA", 16) + pad("4096 MB", 20) + pad("20000", 13) + pad("0", 15) + "48 KB");
}

TEST(Volumes, NoRowsUntilEveryRecordHasItsStatistics) {
    // Three volumes, two statistics blocks.
    const QString table = QString::fromUtf8(Table).replace(
        QStringLiteral("MAC\n"), QStringLiteral("MAC\nARCHIVE          DOS\n"));
    auto p = parseText(table + block("SYS", "", "10", "99") + block("DATA", "", "10", "99"));
    EXPECT_EQ(p->model.VolumeCount, 3);
    EXPECT_EQ(p->model.Volumes[2].Name, "ARCHIVE");
    EXPECT_TRUE(p->views.VolListBox.isEmpty());
    EXPECT_EQ(p->views.VolCountLabel, "");
    EXPECT_EQ(p->views.VolumeHeader[1], "Name Spaces Loaded");
    EXPECT_TRUE(p->suggestions().isEmpty());

    // The table heading must begin the line.
    auto q = parseText(QStringLiteral(" ") + QString::fromUtf8(Table));
    EXPECT_EQ(q->model.VolumeCount, 0);
}

TEST(Volumes, PurgeIsSuggestedForFewFreeBlocksAndSomethingToPurge) {
    const QList<std::pair<QString, QString>> rows = {
        {"1499", "310"}, {"1500", "310"}, {"1499", "0"},   {"0", "12345"},
        {"12345", "50"}, {"1,499", "7"},  {"12", "1,234"}, {" 900", " 2"},
    };
    auto p = volumes(rows);
    EXPECT_EQ(p->error, "");
    EXPECT_EQ(p->suggestions(), QStringList({
                                    "Purge suggested for volume VOL1...free blocks = 1499",
                                    "Purge suggested for volume VOL4...free blocks = 0",
                                    "Purge suggested for volume VOL7...free blocks = 12",
                                    "Purge suggested for volume VOL8...free blocks =  900",
                                }));
    EXPECT_EQ(p->views.VolCountLabel, "(8 mounted volumes)");

    // A short count that is not a number ends the parse after the row has been shown.
    const QList<std::tuple<QString, QString, QString>> bad = {
        {"n/a", "12", "'n/a' is not a valid integer value"},
        {"900", "", "'' is not a valid integer value"},
        {"1,2", "0", "'1,2' is not a valid integer value"},
    };
    for (const auto& [free, purgable, message] : bad) {
        auto q = volumes({{"20000", "0"}, {free, purgable}, {"20000", "0"}});
        EXPECT_EQ(q->error, message);
        EXPECT_EQ(q->views.VolListBox.size(), 2);
        EXPECT_EQ(q->views.VolCountLabel, "");
    }
}

TEST(Volumes, TheTableKeepsSeventyRecords) {
    QString table = QStringLiteral("Volume Name      Name Spaces Loaded\n");
    QString blocks;
    for (int n = 1; n <= 72; ++n) {
        const QString name = QStringLiteral("V%1").arg(n, 2, 10, QChar(u'0'));
        table += pad(name, 17) + QStringLiteral("DOS\n");
        if (n >= 70) {
            table += pad(name, 17) + QStringLiteral("LONG\n");
        }
        blocks +=
            block(name, QStringLiteral("100 MB"), QStringLiteral("20000"), QStringLiteral("0"));
    }
    auto p = parseText(table + QStringLiteral("*****\n") + blocks);
    EXPECT_EQ(p->error, "");
    EXPECT_EQ(p->model.VolumeCount, 70);
    EXPECT_EQ(p->model.Volumes[69].Name, "V70");
    // The name spaces of a volume that found no room do not join the last record.
    EXPECT_EQ(p->model.Volumes[69].NameSpaces, "DOS, LONG");
    EXPECT_EQ(p->views.VolListBox.size(), 70);
    EXPECT_EQ(p->views.VolCountLabel, "(70 mounted volumes)");
}
