#include "ini/inifile.h"
#include "filebytes.h"
#include "ini/inibatch.h"
#include "ui/operationerror.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class IniFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name = QStringLiteral("quarixdb.ini")) const {
        return m_dir.filePath(name);
    }
    IniFile fileWith(const QByteArray& bytes) {
        filebytes::write(path(), bytes);
        return IniFile(path());
    }
    QByteArray bytes() const { return filebytes::read(path()); }

    QTemporaryDir m_dir;
};

QString refusal(const QString& path) {
    return QStringLiteral("Unable to write to ") + path;
}

}  // namespace

TEST_F(IniFileTest, NamesMatchWithoutCaseAndBlanksAroundNamesAndValuesAreIgnored) {
    const IniFile ini = fileWith(
        "[Preferences]\r\n"
        "  Height =  0x22B \r\n"
        "\tName\t= a=b = c \r\n"
        "Empty=\r\n"
        "\r\n"
        "[ Core DXPs ]\r\n"
        "4.10:CLIB.DXP=4.11\r\n");
    EXPECT_EQ(ini.readString("PREFERENCES", "height", "x"), "0x22B");
    EXPECT_EQ(ini.readInteger("preferences", " HEIGHT ", 0), 555);
    EXPECT_EQ(ini.readString("Preferences", "name", "x"), "a=b = c");
    EXPECT_EQ(ini.readString("Preferences", "empty", "x"), "");
    EXPECT_EQ(ini.readString("core dxps", "4.10:clib.dxp", "x"), "4.11");
    EXPECT_TRUE(ini.sectionExists("CORE DXPS"));
    EXPECT_EQ(ini.readSectionKeys("preferences"), QStringList({"Height", "Name", "Empty"}));
}

TEST_F(IniFileTest, OnlyHeadersAndEntriesCountAndMissingOnesGiveTheDefault) {
    const IniFile ini = fileWith(
        "Stray=before any section\r\n"
        " [Indented]\r\n"
        "[Core DXPs\r\n"
        "   *** Demo\r\n"
        "3.12:CLIB.DXP=3.12j\r\n"
        "[Numbers]\r\n"
        "Word=twelve\r\n"
        "Hex=0X1f\r\n"
        "BadHex=0xZZ\r\n"
        "Zero=0\r\n"
        "Blank=\r\n");
    EXPECT_EQ(ini.readString("", "Stray", "d"), "d");
    EXPECT_FALSE(ini.sectionExists("Indented"));
    // A header without "]" is named by the rest of its line.
    EXPECT_EQ(ini.readSectionKeys("Core DXPs"), QStringList({"3.12:CLIB.DXP"}));
    EXPECT_EQ(ini.readString("Core DXPs", "*** Demo", "d"), "d");
    EXPECT_EQ(ini.readString("Numbers", "Missing", "d"), "d");
    EXPECT_EQ(ini.readString("Missing", "Word", "d"), "d");
    EXPECT_EQ(ini.readInteger("Numbers", "Word", 7), 7);
    EXPECT_EQ(ini.readInteger("Numbers", "Hex", 7), 31);
    EXPECT_EQ(ini.readInteger("Numbers", "BadHex", 7), 7);
    EXPECT_EQ(ini.readInteger("Numbers", "Blank", 7), 7);
    EXPECT_TRUE(ini.readBool("Numbers", "Hex", false));
    EXPECT_FALSE(ini.readBool("Numbers", "Zero", true));
    EXPECT_TRUE(ini.readBool("Numbers", "Missing", true));

    const IniFile missing(path("absent.ini"));
    EXPECT_EQ(missing.readString("Numbers", "Word", "d"), "d");
    EXPECT_FALSE(missing.sectionExists("Numbers"));
    EXPECT_TRUE(missing.readSectionKeys("Numbers").isEmpty());
}

TEST_F(IniFileTest, FirstDuplicateSectionAndKeyWinForReadsAndWrites) {
    IniFile ini = fileWith(
        "[A]\r\n"
        "k=first\r\n"
        "K=second\r\n"
        "\r\n"
        "[a]\r\n"
        "k=third\r\n"
        "only=later\r\n");
    EXPECT_EQ(ini.readString("A", "k", ""), "first");
    EXPECT_EQ(ini.readString("A", "only", "d"), "d");
    EXPECT_EQ(ini.readSectionKeys("a"), QStringList({"k", "K"}));
    ini.writeString("a", "K", "new");
    ini.writeString("A", "only", "added");
    EXPECT_EQ(bytes(),
              "[A]\r\n"
              "k=new\r\n"
              "K=second\r\n"
              "only=added\r\n"
              "\r\n"
              "[a]\r\n"
              "k=third\r\n"
              "only=later\r\n");
}

TEST_F(IniFileTest, ValuesAreReadUpTo1023Characters) {
    const QByteArray longValue(2000, 'v');
    const IniFile ini = fileWith("[S]\r\nk=" + longValue + "\r\nexact=" + QByteArray(1023, 'e'));
    EXPECT_EQ(ini.readString("S", "k", ""), QString(1023, u'v'));
    EXPECT_EQ(ini.readString("S", "exact", ""), QString(1023, u'e'));
}

TEST_F(IniFileTest, ReplacingAValueKeepsItsPlaceItsKeySpellingAndEveryOtherByte) {
    const QByteArray untouched =
        "; \x80\x81\x8d\x95\xa0\xe9\xff kept as they are\r\n"
        "[Core DXPs]\n"
        "   *** Demo\r\n";
    IniFile ini = fileWith(untouched +
                           "  3.12:Clib.DXP  = 3.12a \n"
                           "4.10:CLIB.DXP=4.11\r\n"
                           "\r\n"
                           "[File Sets]\r\n"
                           "3.12:CLIB.DXP=lib312a.exe");
    ini.writeString("core dxps", "3.12:CLIB.DXP", "3.12j");
    EXPECT_EQ(bytes(), untouched +
                           "3.12:Clib.DXP=3.12j\r\n"
                           "4.10:CLIB.DXP=4.11\r\n"
                           "\r\n"
                           "[File Sets]\r\n"
                           "3.12:CLIB.DXP=lib312a.exe");
    ini.writeString("File Sets", "3.12:clib.dxp", "lib312j.exe");
    EXPECT_TRUE(bytes().endsWith("\r\n[File Sets]\r\n3.12:CLIB.DXP=lib312j.exe\r\n"));
    EXPECT_TRUE(bytes().startsWith(untouched));
}

TEST_F(IniFileTest, NewKeysGoAfterTheLastEntryOfTheirSection) {
    IniFile ini = fileWith(
        "[Empty]\r\n"
        "\r\n"
        "[Prefs]\n"
        "a=1\n"
        "  \n"
        "\n"
        "[Last]\r\n"
        "z=26");
    ini.writeString("Empty", "first", "1");
    ini.writeString("prefs", " b ", "2");
    ini.writeString("LAST", "y", "25");
    EXPECT_EQ(bytes(),
              "[Empty]\r\n"
              "first=1\r\n"
              "\r\n"
              "[Prefs]\n"
              "a=1\n"
              "b=2\r\n"
              "  \n"
              "\n"
              "[Last]\r\n"
              "z=26\r\n"
              "y=25\r\n");
}

TEST_F(IniFileTest, NewSectionsAreAppendedAfterOneEmptyLine) {
    IniFile ini(path());
    ini.writeString("Preferences", "DBType", "Controlled");
    EXPECT_EQ(bytes(), "[Preferences]\r\nDBType=Controlled\r\n");
    ini.writeInteger("Core DXPs", "Count", -12);
    EXPECT_EQ(bytes(),
              "[Preferences]\r\nDBType=Controlled\r\n"
              "\r\n[Core DXPs]\r\nCount=-12\r\n");

    fileWith("[A]\r\nk=v\r\n\r\n");
    ini.writeBool("B", "on", true);
    EXPECT_EQ(bytes(), "[A]\r\nk=v\r\n\r\n[B]\r\non=1\r\n");

    fileWith("[A]\nk=v");
    ini.writeBool("B", "on", false);
    EXPECT_EQ(bytes(), "[A]\nk=v\r\n\r\n[B]\r\non=0\r\n");
}

TEST_F(IniFileTest, CharactersOfTheCodePageRoundTripThroughWrittenValues) {
    IniFile ini = fileWith("[S]\r\n\xe9t\xe9=\x95 old\r\n");
    const QString value = QString::fromUtf8("caf\u00e9 \u20ac \u2022 \u00ff");
    ini.writeString(QString::fromUtf8("s"), QString::fromUtf8("\u00e9t\u00e9"), value);
    EXPECT_EQ(bytes(), "[S]\r\n\xe9t\xe9=caf\xe9 \x80 \x95 \xff\r\n");
    EXPECT_EQ(ini.readString("S", QString::fromUtf8("\u00e9t\u00e9"), ""), value);
    // Case folding is ASCII only: an upper-case accented letter is another key.
    EXPECT_EQ(ini.readString("S", QString::fromUtf8("\u00c9t\u00e9"), "d"), "d");
}

TEST_F(IniFileTest, ErasingRemovesEverySectionOfThatNameAndNothingElse) {
    IniFile ini = fileWith(
        "[Custom Entries]\r\n"
        "4.10:+X.DXP=1.00\r\n"
        "\r\n"
        "[Keep \xe9]\r\n"
        "k=v\r\n"
        "\r\n"
        "[CUSTOM ENTRIES]\r\n"
        "5.00:+Y.DXP=2.00\r\n");
    ini.eraseSection("custom entries");
    EXPECT_EQ(bytes(), "[Keep \xe9]\r\nk=v\r\n\r\n");
    EXPECT_FALSE(ini.sectionExists("Custom Entries"));

    ini.eraseSection("Missing");
    EXPECT_EQ(bytes(), "[Keep \xe9]\r\nk=v\r\n\r\n");
    IniFile absent(path("absent.ini"));
    absent.eraseSection("Missing");
    EXPECT_FALSE(QFile::exists(absent.path()));
}

TEST_F(IniFileTest, RefusedWritesThrowAndLeaveTheFileAsItWas) {
    // A folder where the file should be: it cannot be read or replaced.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("quarixdb.ini"));
    IniFile folder(path());
    EXPECT_EQ(folder.readString("S", "k", "d"), "d");
    for (const auto& write : {std::function<void()>([&] { folder.writeString("S", "k", "v"); }),
                              std::function<void()>([&] { folder.eraseSection("S"); })}) {
        try {
            write();
            ADD_FAILURE() << "write accepted";
        } catch (const OperationError& e) {
            EXPECT_EQ(e.message(), refusal(path()));
        }
    }
    EXPECT_TRUE(QFileInfo(path()).isDir());

    // A regular file where a folder of the path should be.
    IniFile noFolder(path("quarixdb.ini/x/db.ini"));
    EXPECT_THROW(noFolder.writeString("S", "k", "v"), OperationError);
}

TEST_F(IniFileTest, ReadOnlyFilesAndFoldersRefuseTheWriteAndKeepTheOriginal) {
    const QByteArray original = "[S]\r\nk=old\r\n";
    IniFile ini = fileWith(original);
    const auto rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(path(), QFile::ReadOwner);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (access(QFile::encodeName(m_dir.path()).constData(), W_OK) == 0) {
        QFile::setPermissions(m_dir.path(), rw);
        GTEST_SKIP() << "running with rights that ignore permissions";
    }
    // First with the folder locked, then with only the file read-only: the system these files
    // come from refuses both, although a rename over a read-only file would succeed here.
    for (int round = 0; round < 2; ++round) {
        try {
            ini.writeString("S", "k", "new");
            ADD_FAILURE() << "write accepted in round " << round;
        } catch (const OperationError& e) {
            EXPECT_EQ(e.message(), refusal(path()));
        }
        QFile::setPermissions(m_dir.path(), rw);
        EXPECT_EQ(bytes(), original);
        EXPECT_EQ(filebytes::entries(m_dir.path()), QStringList({"quarixdb.ini"}));
    }
}

TEST_F(IniFileTest, ABatchWritesEachFileOnceOnCommitAndNothingWithoutIt) {
    IniFile first = fileWith("[A]\r\nx=1\r\n");
    IniFile second(path(QStringLiteral("second.ini")));
    const QByteArray expected = "[A]\r\nx=2\r\ny=3\r\n";
    {
        IniBatch batch;
        first.writeString("A", "x", "2");
        {
            IniBatch inner;  // joins the outer batch: its commit writes nothing yet
            first.writeString("A", "y", "3");
            inner.commit();
        }
        second.writeString("B", "z", "4");
        EXPECT_EQ(bytes(), "[A]\r\nx=1\r\n");
        EXPECT_FALSE(QFile::exists(second.path()));
        EXPECT_EQ(first.readString("A", "y", "none"), "3");  // reads see the gathered writes
        batch.commit();
        EXPECT_EQ(bytes(), expected);
        EXPECT_EQ(filebytes::read(second.path()), "[B]\r\nz=4\r\n");
    }
    {
        IniBatch abandoned;  // as when an error ends a command half-way
        first.writeString("A", "x", "9");
        second.eraseSection("B");
    }
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(filebytes::read(second.path()), "[B]\r\nz=4\r\n");
    EXPECT_EQ(first.readString("A", "x", "none"), "2");
    EXPECT_EQ(filebytes::entries(m_dir.path()).size(), 2);  // no temporary file left
}

// A write that would change the file's structure is refused with a message naming the problem,
// and the file keeps every byte; a batch with one such write writes nothing at all. Values that
// merely look odd ("=" or "[" in a value, "]" in a key) are written as they are.
TEST_F(IniFileTest, StructureBreakingNamesKeysAndValuesAreRefusedBeforeAnythingIsWritten) {
    const QByteArray original = "[A]\r\nx=1\r\n\r\n";
    IniFile ini = fileWith(original);
    const struct {
        QString section, key, value, problem;
    } refused[] = {
        {"A", "x", "1\r\n[Evil]", "holds a line break"},
        {"A", "x", "1\n", "holds a line break"},
        {"A", "x", QString("a") + QChar(0) + "b", "NUL"},
        {"A", "y\rz", "1", "holds a line break"},
        {"A", "a=b", "1", "may not hold \"=\""},
        {"A", " [Evil", "1", "may not begin with \"[\""},
        {"A\n[B", "x", "1", "The section name"},
    };
    for (const auto& r : refused) {
        try {
            ini.writeString(r.section, r.key, r.value);
            ADD_FAILURE() << "written: " << r.key.toStdString();
        } catch (const OperationError& e) {
            EXPECT_TRUE(e.message().contains(r.problem)) << e.message().toStdString();
            EXPECT_FALSE(e.message().contains(u'\n')) << e.message().toStdString();
        }
        EXPECT_EQ(bytes(), original);
    }
    EXPECT_THROW(ini.writeStrings("A", {{"y", "2"}, {"z", "3\n"}}), OperationError);
    EXPECT_THROW(ini.replaceSection("A", {{"y", "2"}, {"[z", "3"}}), OperationError);
    {
        IniBatch batch;
        ini.writeString("A", "y", "2");
        EXPECT_THROW(ini.writeString("A", "z", "3\r"), OperationError);
    }
    EXPECT_EQ(bytes(), original);

    ini.writeString("A", "x", "a=b [c]");
    ini.writeString("A", "k]", "v");
    EXPECT_EQ(bytes(), "[A]\r\nx=a=b [c]\r\nk]=v\r\n\r\n");
}
