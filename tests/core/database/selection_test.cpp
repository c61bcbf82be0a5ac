#include "databasetest.h"

#include "patchdb/databaseselection.h"
#include "patchdb/defaultdatabase.h"

#include <QFile>

TEST_F(DatabaseTest, EachSelectionMakesItsFileCurrentAndStoresTheTypeInBothFiles) {
    DatabaseSelection db;
    QList<bool> notified;
    db.onSelected([&](bool uncontrolled) { notified.append(uncontrolled); });
    EXPECT_FALSE(db.UncontrolledMode());  // controlled at start, nothing written yet
    EXPECT_EQ(db.currentPath(), controlledPath());
    EXPECT_FALSE(QFile::exists(controlledPath()));

    write(uncontrolledPath(), "[Custom Entries]\r\n4.10:+NWPA.DXP=4.12\r\n\r\n");
    db.SelectUncontrolledDatabase();
    EXPECT_TRUE(db.UncontrolledMode());
    EXPECT_EQ(db.currentPath(), uncontrolledPath());
    EXPECT_EQ(db.CurrentDatabase().path(), uncontrolledPath());
    EXPECT_EQ(db.CurrentDatabase().readString("Custom Entries", "4.10:+NWPA.DXP", ""), "4.12");
    EXPECT_EQ(db.typeLabel(), "Uncontrolled DB");
    EXPECT_EQ(storedType(controlledPath()), "Uncontrolled");
    EXPECT_EQ(storedType(uncontrolledPath()), "Uncontrolled");
    // The existing content is kept around the new key.
    EXPECT_TRUE(read(uncontrolledPath()).startsWith("[Custom Entries]\r\n4.10:+NWPA.DXP=4.12\r\n"));

    db.SelectControlledDatabase();
    EXPECT_FALSE(db.UncontrolledMode());
    EXPECT_EQ(db.currentPath(), controlledPath());
    EXPECT_EQ(db.typeLabel(), "Quarix-controlled DB");
    EXPECT_EQ(storedType(controlledPath()), "Controlled");
    EXPECT_EQ(storedType(uncontrolledPath()), "Controlled");
    EXPECT_EQ(notified, QList<bool>({true, false}));
}

TEST_F(DatabaseTest, TheStoredTypeSelectsControlledOnlyForThatWordInAnyCase) {
    const struct {
        const char* stored;  // nullptr: no DBType key
        bool uncontrolled;
    } cases[] = {
        {nullptr, false},         {"Controlled", false},
        {"controlled", false},    {"CONTROLLED", false},
        {"  Controlled ", false}, {"uncontrolled", true},
        {"Uncontrolled", true},   {"", true},
        {"Quarix", true},         {"Controlled2", true},
    };
    for (const auto& c : cases) {
        QByteArray prefs = "[Preferences]\r\nHeight=555\r\n";
        if (c.stored) {
            prefs += QByteArray("DBType=") + c.stored + "\r\n";
        }
        write(controlledPath(), prefs);
        QFile::remove(uncontrolledPath());
        DatabaseSelection db;
        db.applyStoredType();
        const std::string label = c.stored ? c.stored : "(absent)";
        EXPECT_EQ(db.UncontrolledMode(), c.uncontrolled) << label;
        // Whatever was read, the canonical word is then written to both files.
        const QString canonical = c.uncontrolled ? "Uncontrolled" : "Controlled";
        EXPECT_EQ(storedType(controlledPath()), canonical) << label;
        EXPECT_EQ(storedType(uncontrolledPath()), canonical) << label;

        DatabaseSelection byType;
        byType.selectByType(c.stored ? QString::fromUtf8(c.stored).trimmed() : "Controlled");
        EXPECT_EQ(byType.UncontrolledMode(), c.uncontrolled) << label;
    }
}

TEST_F(DatabaseTest, TheStoredTypeIsReadFromTheControlledFileOnly) {
    write(controlledPath(), "[Preferences]\r\nHeight=555\r\n");
    write(uncontrolledPath(), "[Preferences]\r\nDBType=Uncontrolled\r\n");
    DatabaseSelection db;
    db.applyStoredType();
    EXPECT_FALSE(db.UncontrolledMode());

    write(controlledPath(), "[Preferences]\r\nDBType=Uncontrolled\r\n");
    write(uncontrolledPath(), "[Preferences]\r\nDBType=Controlled\r\n");
    DatabaseSelection second;
    second.applyStoredType();
    EXPECT_TRUE(second.UncontrolledMode());
}

TEST_F(DatabaseTest, MissingFilesAreCreatedWithTheDefaultDatabaseAndExistingOnesKept) {
    QByteArray defaults;
    for (const QString& line : DefaultDatabase::lines()) {
        defaults += line.toLatin1() + "\r\n";
    }

    DatabaseSelection db;
    db.createMissingFiles();
    EXPECT_EQ(read(controlledPath()), defaults);
    EXPECT_EQ(read(uncontrolledPath()), defaults);  // no DBType until a selection
    EXPECT_EQ(storedType(uncontrolledPath()), "<none>");

    // Only the missing file is written; the other keeps every byte, even an empty file.
    const QByteArray own = "[Preferences]\nDBType=uncontrolled\nHist1=/srv/a.txt\n";
    write(controlledPath(), own);
    QFile::remove(uncontrolledPath());
    db.createMissingFiles();
    EXPECT_EQ(read(controlledPath()), own);
    EXPECT_EQ(read(uncontrolledPath()), defaults);

    write(uncontrolledPath(), "");
    QFile::remove(controlledPath());
    DatabaseSelection again;
    again.createMissingFiles();
    EXPECT_EQ(read(uncontrolledPath()), "");
    EXPECT_EQ(read(controlledPath()), defaults);

    db.createMissingFiles();  // nothing missing: nothing written
    EXPECT_EQ(read(uncontrolledPath()), "");
}
