#include "databasetest.h"

#include "ini/inifile.h"
#include "settings/datadirectory.h"

#include <QFile>

void DatabaseTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    // Paths are resolved when a selection is built, so the data directory comes first.
    DataDirectory::setOverride(m_home.path());
}

void DatabaseTest::TearDown() {
    DataDirectory::setOverride(QString());
}

QString DatabaseTest::controlledPath() const {
    return m_home.filePath(QStringLiteral("quarixdb.ini"));
}

QString DatabaseTest::uncontrolledPath() const {
    return m_home.filePath(QStringLiteral("CARTOVEX.INI"));
}

QByteArray DatabaseTest::read(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void DatabaseTest::write(const QString& path, const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString DatabaseTest::storedType(const QString& path) const {
    return IniFile(path).readString(QStringLiteral("Preferences"), QStringLiteral("DBType"),
                                    QStringLiteral("<none>"));
}
