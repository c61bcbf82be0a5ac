#include "analysistest.h"

#include "analysis/patchverification.h"
#include "analysis/suggestionsengine.h"
#include "ini/inifile.h"
#include "settings/datadirectory.h"
#include "ui/operationerror.h"

#include <QFile>

void AnalysisTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    // Paths are resolved when a selection is built, so the data directory comes first.
    DataDirectory::setOverride(m_home.path());
}

void AnalysisTest::TearDown() {
    m_manager.reset();
    m_databases.reset();
    DataDirectory::setOverride(QString());
}

QString AnalysisTest::controlledPath() const {
    return m_home.filePath(QStringLiteral("quarixdb.ini"));
}

QString AnalysisTest::uncontrolledPath() const {
    return m_home.filePath(QStringLiteral("CARTOVEX.INI"));
}

void AnalysisTest::writeLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    for (const QString& line : lines) {
        file.write(line.toLatin1() + "\r\n");
    }
}

QString AnalysisTest::setName(const QString& shortName, int count) {
    return shortName + QStringLiteral(".txt : ") + QString::number(count) +
           QStringLiteral(" native patches");
}

QStringList AnalysisTest::section(const QString& name, const QStringList& modules,
                                  const QStringList& extra) {
    QStringList out{u'[' + name + u']'};
    for (qsizetype k = 0; k < modules.size(); ++k) {
        out << QString::number(k + 1) + u'=' + modules.at(k);
    }
    out << extra << QString();
    return out;
}

QStringList AnalysisTest::set(const QString& shortName, const QStringList& modules) {
    return section(setName(shortName, int(modules.size())), modules);
}

QString AnalysisTest::patchLine(const QString& module) {
    return module.leftJustified(12) + QStringLiteral("   Version 4.10   June 2, 1999");
}

DatabaseSelection& AnalysisTest::databases() {
    if (!m_databases) {
        m_databases = std::make_unique<DatabaseSelection>();
    }
    return *m_databases;
}

PatchDatabaseManager& AnalysisTest::manager() {
    if (!m_manager) {
        m_manager = std::make_unique<PatchDatabaseManager>(databases(), dialogs, progress);
    }
    return *m_manager;
}

QString AnalysisTest::verify() {
    try {
        PatchVerification(model, state, views, manager(), dialogs, progress).VerifyPatches();
    } catch (const OperationError& e) {
        return e.message();
    }
    return QString();
}

QString AnalysisTest::suggest(const QStringList& known, bool uncontrolled) {
    const IniFile controlled(controlledPath());
    try {
        SuggestionsEngine(model, state, views, progress)
            .BuildSuggestions({known, controlled, uncontrolled});
    } catch (const OperationError& e) {
        return e.message();
    }
    return QString();
}

QStringList AnalysisTest::heading(bool uncontrolled) {
    return {
        QStringLiteral("               *** Using ") +
            (uncontrolled ? QStringLiteral("UNCONTROLLED") : QStringLiteral("Quarix-controlled")) +
            QStringLiteral(" database ***"),
        QStringLiteral("      Visit the Quarix support.quarix.example web site for "),
        QStringLiteral("          patches, file updates, and technical information."),
        QStringLiteral(" ")};
}

QStringList AnalysisTest::body() const {
    const QStringList& all = model.Suggestions;
    EXPECT_GE(all.size(), 4);
    EXPECT_EQ(all.mid(0, 4), heading(all.value(0).contains(QLatin1String("UNCONTROLLED"))));
    return all.mid(4);
}

QStringList AnalysisTest::firstLines() const {
    QStringList out;
    for (const QString& line : model.Suggestions) {
        if (line.startsWith(Bullet)) {
            out << line;
        }
    }
    return out;
}
