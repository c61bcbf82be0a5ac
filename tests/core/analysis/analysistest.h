#pragma once

#include "analysis/analysisstate.h"
#include "model/mainviews.h"
#include "model/servermodel.h"
#include "patchdb/databaseselection.h"
#include "patchdb/patchdatabasemanager.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype k = 0; k < list.size(); ++k) {
        *os << (k ? ", " : "");
        PrintTo(list.at(k), os);
    }
    *os << '}';
}

// The bullet prefix of a suggestion and of a complete-set line.
inline const QString Bullet = QStringLiteral(" \u2022 ");

// A fresh data directory (a temporary folder) and a hand-built server model, analysis state and
// views for each test. The database files are written by the test; the selection and the
// manager over them are built on first use (after the files exist), as the program builds them
// at start-up.
class AnalysisTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    QString controlledPath() const;
    QString uncontrolledPath() const;
    // Writes the lines as the whole file, each ended by CR LF.
    static void writeLines(const QString& path, const QStringList& lines);
    void writeControlled(const QStringList& lines) const { writeLines(controlledPath(), lines); }
    void writeUncontrolled(const QStringList& lines) const {
        writeLines(uncontrolledPath(), lines);
    }

    // "410pt6.txt : 3 native patches" for ("410pt6", 3).
    static QString setName(const QString& shortName, int count);
    // A patch set section: the header, keys "1".. for the modules, extra lines, an empty line.
    static QStringList section(const QString& name, const QStringList& modules,
                               const QStringList& extra = {});
    // A section named setName(shortName, modules.size()).
    static QStringList set(const QString& shortName, const QStringList& modules);
    // A loaded patch entry as the parser builds it for a module of the listing.
    static QString patchLine(const QString& module);

    DatabaseSelection& databases();
    PatchDatabaseManager& manager();

    // Runs VerifyPatches; returns the conversion error that ended it, or a null string.
    QString verify();
    // Runs BuildSuggestions with the given known patch set list, quarixdb.ini of the data
    // directory as the controlled database, and the mode; returns the error or a null string.
    QString suggest(const QStringList& known = {}, bool uncontrolled = false);
    // The suggestion list without the four heading lines (which must be there).
    QStringList body() const;
    // The first lines of the suggestions (those that begin with the bullet prefix).
    QStringList firstLines() const;

    static QStringList heading(bool uncontrolled = false);

    QTemporaryDir m_home;
    ServerModel model;
    AnalysisState state;
    MainViews views;
    RecordingDialogs dialogs;
    NullProgress progress;

  private:
    std::unique_ptr<DatabaseSelection> m_databases;
    std::unique_ptr<PatchDatabaseManager> m_manager;
};
