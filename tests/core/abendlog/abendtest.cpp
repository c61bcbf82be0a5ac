#include "abendtest.h"

#include "settings/datadirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void AbendTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    ASSERT_TRUE(m_work.isValid());
    DataDirectory::setOverride(m_home.path());
    m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
    ASSERT_TRUE(m_engine->create());
    m_engine->firstActivation();
}

void AbendTest::TearDown() {
    m_engine.reset();
    DataDirectory::setOverride(QString());
}

QString AbendTest::writeWork(const QString& name, const QByteArray& bytes) const {
    const QString path = m_work.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

QString AbendTest::openLog(const QStringList& lines) {
    return abend().openLogFile(writeWork(QStringLiteral("ABEND.LOG"), crlf(lines)));
}

void AbendTest::writeDatabases(const QStringList& controlledCore,
                               const QStringList& uncontrolledCore,
                               const QStringList& controlledSets,
                               const QStringList& uncontrolledSets) {
    auto content = [](const QString& type, const QStringList& core, const QStringList& sets) {
        QStringList lines = {QStringLiteral("[Preferences]"), QStringLiteral("DBType=") + type,
                             QString(), QStringLiteral("[Core DXPs]")};
        lines << core << QString() << QStringLiteral("[File Sets]") << sets << QString();
        return crlf(lines);
    };
    const QString controlled = m_home.filePath(QStringLiteral("quarixdb.ini"));
    const QString uncontrolled = m_home.filePath(QStringLiteral("CARTOVEX.INI"));
    for (const QString& path : {controlled, uncontrolled}) {
        QFile::remove(path);
    }
    QFile c(controlled);
    ASSERT_TRUE(c.open(QIODevice::WriteOnly));
    c.write(content(QStringLiteral("Controlled"), controlledCore, controlledSets));
    QFile u(uncontrolled);
    ASSERT_TRUE(u.open(QIODevice::WriteOnly));
    u.write(content(QStringLiteral("Uncontrolled"), uncontrolledCore, uncontrolledSets));
}

QStringList AbendTest::takeMessages() {
    const QStringList texts = m_dialogs.texts();
    m_dialogs.clear();
    return texts;
}

QStringList abendEntry(const QString& when, const QStringList& moduleLines) {
    QStringList lines = {QStringLiteral("Server FS1 halted ") + when,
                         QStringLiteral("Abend 1 on P00: Server-4.11-2519: Page Fault"),
                         QString(),
                         QStringLiteral("Running process: Server 07 Process"),
                         QStringLiteral("Created by: SERVER.DXP"),
                         QString(),
                         QStringLiteral("Loaded Modules:")};
    lines << moduleLines << QString(79, u'*');
    return lines;
}

QByteArray crlf(const QStringList& lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}
