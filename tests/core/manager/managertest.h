#pragma once

#include "engine/engine.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A fresh data directory and a fresh engine for each test, created and activated as the main
// window does (both database files written with the default content, the controlled one
// current). Kits, reports and downloaded files go into a work folder of their own. The tests
// replace the database files wholesale with the content they need.
class ManagerTest : public ::testing::Test {
  public:
    // Raw bytes of a file; empty when it cannot be read.
    static QByteArray read(const QString& path);
    static void write(const QString& path, const QByteArray& bytes);
    // The bytes of a fixture below tests/data/manager.
    static QByteArray fixture(const QString& name);

  protected:
    void SetUp() override;
    void TearDown() override;

    Engine& engine() { return *m_engine; }
    PatchDatabaseManager& manager() { return m_engine->manager(); }
    DatabaseSelection& databases() { return m_engine->databases(); }
    CoreModulePage& corePage() { return m_engine->manager().corePage(); }
    PatchKitImport& importPage() { return m_engine->manager().importPage(); }

    QString controlledPath() const;
    QString uncontrolledPath() const;
    // Copies a fixture into the work folder (keeping its relative path) and returns the copy's
    // absolute path.
    QString copyFixture(const QString& name) const;
    // A path below the work folder; its folders are created.
    QString workPath(const QString& name) const;

    // Makes CARTOVEX.INI current (writes DBType into both files first, as the selection does).
    void useUncontrolled();
    // Writes a report below the work folder and loads it through the open command.
    ReportLoader::Result load(const QString& name, const QByteArray& bytes);
    ReportLoader::Result loadFixture(const QString& name);

    // The message texts shown so far, and forgets them.
    QStringList takeMessages();

    QTemporaryDir m_home;
    QTemporaryDir m_work;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
};

// " • " (blank, bullet, blank), the prefix of every finding's first line.
extern const QString Bullet;

// The findings of the module currency check in a suggestion list: each block runs from a line
// " • NAME is out of date." up to and including the next line that holds one blank.
QList<QStringList> findingsIn(const QStringList& suggestions);
// One finding block as the check writes it; empty `file` and `user` false leave out lines 3
// and 4.
QStringList finding(const QString& module, const QString& current, const QString& loaded,
                    const QString& file = QString(), bool user = false);

namespace managerreports {

// A loaded module of a generated report; an empty version leaves out the version line (long
// form) or the version column (compact form).
struct Module {
    QString name;
    QString version;
};

// A report in the long listing form: module name line, description, "   Version X   date"
// line, code address line, blank line. CR LF line ends.
QByteArray longForm(const QString& osVersion, const QList<Module>& modules);
// A report produced by "CFGUTIL.DXP v3.02": one compact line per module, "NAME   vX.XX  date".
QByteArray compact(const QString& osVersion, const QList<Module>& modules);

}  // namespace managerreports
