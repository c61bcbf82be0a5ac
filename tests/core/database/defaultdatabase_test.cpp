#include "databasetest.h"

#include "ini/inifile.h"
#include "patchdb/defaultdatabase.h"
#include "ui/operationerror.h"

#include <QDir>
#include <QList>
#include <QRegularExpression>

namespace {

struct Section {
    QString header;
    QStringList body;  // the lines between the header and the empty line that closes it
};

// Splits the file's lines into sections, each of which must be closed by one empty line.
QList<Section> sections(const QStringList& lines) {
    QList<Section> out;
    for (const QString& line : lines) {
        if (line.startsWith(u'[')) {
            out.append(Section{line, {}});
        } else if (!out.isEmpty()) {
            out.last().body.append(line);
        }
    }
    return out;
}

void expectPatchSet(const Section& s, const QString& header, int count) {
    EXPECT_EQ(s.header, header);
    ASSERT_EQ(s.body.size(), count + 1) << header.toStdString();
    EXPECT_EQ(s.body.last(), "");
    // Patch module names: a base name ending in FX, FIX, FX2 or FIX2, then ".DXP".
    const QRegularExpression name(QStringLiteral("^[A-Z0-9]+(FX|FIX|FX2|FIX2)\\.DXP$"));
    for (int k = 1; k <= count; ++k) {
        const QString line = s.body.at(k - 1);
        const QString prefix = QString::number(k) + u'=';
        ASSERT_TRUE(line.startsWith(prefix)) << line.toStdString();
        EXPECT_TRUE(name.match(line.mid(prefix.size())).hasMatch()) << line.toStdString();
    }
}

}  // namespace

TEST_F(DatabaseTest, TheDefaultDatabaseHoldsTwoPatchSetsAndTheDemoCoreSection) {
    const QString path = controlledPath();
    DefaultDatabase::DefaultDatabaseWriter(path);
    const QByteArray bytes = read(path);

    // Every line ends with CR LF and nothing else breaks a line.
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();  // after the final break
    EXPECT_EQ(lines, DefaultDatabase::lines());

    const QList<Section> all = sections(lines);
    ASSERT_EQ(all.size(), 3);
    expectPatchSet(all[0], "[410pt6.txt : 70 native patches]", 70);
    expectPatchSet(all[1], "[312pt9.txt : 61 native patches]", 61);
    EXPECT_EQ(all[2].header, "[Core DXPs]");
    EXPECT_EQ(all[2].body,
              QStringList({"   *** Demo", "3.12:CLIB.DXP=3.12j", "4.10:CLIB.DXP=4.11", ""}));
    EXPECT_TRUE(lines.first().startsWith(u'['));

    // Readers see the entries through the keyed access too.
    const IniFile ini(path);
    EXPECT_EQ(ini.readString("Core DXPs", "4.10:CLIB.DXP", ""), "4.11");
    EXPECT_EQ(ini.readString("core dxps", "3.12:clib.dxp", ""), "3.12j");
    EXPECT_EQ(ini.readString("410pt6.txt : 70 native patches", "70", "Default").right(4), ".DXP");
    EXPECT_EQ(ini.readString("410pt6.txt : 70 native patches", "71", "Default"), "Default");
    EXPECT_EQ(ini.readString("312pt9.txt : 61 native patches", "62", "Default"), "Default");
    for (const char* absent : {"Preferences", "File Sets", "Custom Entries", "Custom FileSets"}) {
        EXPECT_FALSE(ini.sectionExists(absent)) << absent;
    }
}

TEST_F(DatabaseTest, TheDefaultDatabaseReplacesTheWholeFileOrLeavesItAsItWas) {
    const QString path = uncontrolledPath();
    write(path,
          "[Preferences]\r\nDBType=Uncontrolled\r\n\r\n"
          "[Custom Entries]\r\n4.10:+NWPA.DXP=4.12\r\n\r\n");
    DefaultDatabase::DefaultDatabaseWriter(path);
    const QByteArray fresh = read(path);
    EXPECT_TRUE(fresh.startsWith("[410pt6.txt : 70 native patches]\r\n"));
    EXPECT_FALSE(fresh.contains("Custom Entries"));
    EXPECT_FALSE(fresh.contains("DBType"));
    DefaultDatabase::DefaultDatabaseWriter(controlledPath());
    EXPECT_EQ(read(controlledPath()), fresh);

    // A folder that cannot exist (its parent is a file): the file system's message.
    const QString blocked = m_home.filePath("quarixdb.ini/inner/quarixdb.ini");
    try {
        DefaultDatabase::DefaultDatabaseWriter(blocked);
        ADD_FAILURE() << "no error for an impossible path";
    } catch (const OperationError& e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_EQ(read(controlledPath()), fresh);

    // A folder in the way of the file: nothing is written, the folder stays.
    const QString folder = m_home.filePath("taken.ini");
    ASSERT_TRUE(QDir().mkpath(folder + "/keep"));
    EXPECT_THROW(DefaultDatabase::DefaultDatabaseWriter(folder), OperationError);
    EXPECT_TRUE(QDir(folder + "/keep").exists());
    EXPECT_EQ(QDir(m_home.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({".cartovex-write.lock", "CARTOVEX.INI", "quarixdb.ini"}));
}
