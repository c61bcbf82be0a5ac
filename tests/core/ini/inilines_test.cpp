#include "ini/inilines.h"
#include "filebytes.h"
#include "ini/inifile.h"
#include "ui/operationerror.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

class IniLinesTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(IniLinesTest, LinesAndKeyedAccessSeeTheSameFile) {
    const QString db = path("CARTOVEX.INI");
    filebytes::write(db, "[A]\r\nk=1\nj=\x95\r\r\n[B]\rm=2");
    EXPECT_EQ(IniLines::load(db),
              QStringList({"[A]", "k=1", QString::fromUtf8("j=\u2022"), "", "[B]", "m=2"}));
    IniFile ini(db);
    EXPECT_EQ(ini.readString("A", "j", ""), QString::fromUtf8("\u2022"));
    EXPECT_EQ(ini.readString("B", "m", ""), "2");

    ini.writeString("A", "n", "3");
    EXPECT_EQ(IniLines::load(db),
              QStringList({"[A]", "k=1", QString::fromUtf8("j=\u2022"), "n=3", "", "[B]", "m=2"}));
    EXPECT_TRUE(IniLines::load(path("absent.ini")).isEmpty());
}

TEST_F(IniLinesTest, SavingWritesTheWholeFileWithCrLf) {
    const QString db = path("quarixdb.ini");
    filebytes::write(db, "old content that is longer than the new one\n");
    IniLines::save(db, {"[Custom Entries]", QString::fromUtf8("4.10:+\u00c9.DXP=1.00"), ""});
    EXPECT_EQ(filebytes::read(db), "[Custom Entries]\r\n4.10:+\xc9.DXP=1.00\r\n\r\n");
    IniLines::save(db, {});
    EXPECT_EQ(filebytes::read(db), "");
    EXPECT_EQ(filebytes::entries(m_dir.path()), QStringList({"quarixdb.ini"}));

    try {
        IniLines::save(path("quarixdb.ini/sub.ini"), {"x"});
        ADD_FAILURE() << "save accepted";
    } catch (const OperationError& e) {
        EXPECT_EQ(e.message(), "Unable to write to " + path("quarixdb.ini/sub.ini"));
    }
}

TEST_F(IniLinesTest, FileOperationsTestDeleteAndCopyKeepingTheTime) {
    const QString source = path("download.ini");
    const QString target = path("quarixdb.ini");
    filebytes::write(source, "[S]\r\n\x80\xff\r\n");
    filebytes::write(target, "previous database");
    const QDateTime stamp(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    {
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }

    EXPECT_TRUE(IniLines::copyKeepingTime(source, target));
    EXPECT_EQ(filebytes::read(target), filebytes::read(source));
    EXPECT_EQ(QFileInfo(target).lastModified().toUTC(), stamp);

    EXPECT_FALSE(IniLines::copyKeepingTime(path("absent.ini"), target));
    EXPECT_EQ(filebytes::read(target), "[S]\r\n\x80\xff\r\n");

    EXPECT_TRUE(IniLines::exists(target));
    EXPECT_FALSE(IniLines::exists(m_dir.path()));
    EXPECT_TRUE(IniLines::remove(target));
    EXPECT_FALSE(IniLines::exists(target));
    EXPECT_FALSE(IniLines::remove(target));
}

// A write that was killed leaves "<name>.<pid>.tmp"; the next write in the folder removes it once
// its process is gone, and leaves every other file alone.
TEST_F(IniLinesTest, TheNextWriteRemovesTemporariesOfKilledWrites) {
    filebytes::write(path("quarixdb.ini.999999999.tmp"), "half a file");
    filebytes::write(path("CARTOVEX.INI.999999998.tmp"), "half a file");
    filebytes::write(path("quarixdb.ini.backup"), "kept");
    filebytes::write(path("notes.1.tmp"), "kept: process 1 still runs");
    IniLines::save(path("quarixdb.ini"), {QStringLiteral("[Preferences]")});
    EXPECT_EQ(filebytes::entries(m_dir.path()),
              (QStringList{"notes.1.tmp", "quarixdb.ini", "quarixdb.ini.backup"}));
    EXPECT_EQ(filebytes::read(path("quarixdb.ini")), QByteArray("[Preferences]\r\n"));
}
