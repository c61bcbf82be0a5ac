#include "managertest.h"
#include "testsupport.h"

#include "settings/datadirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString Bullet = QStringLiteral(" \u2022 ");

void ManagerTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    ASSERT_TRUE(m_work.isValid());
    // Paths are resolved when the engine is built, so the data directory comes first.
    DataDirectory::setOverride(m_home.path());
    m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
    m_engine->create();
    m_engine->firstActivation();
    ASSERT_TRUE(QFileInfo::exists(controlledPath()));
    ASSERT_TRUE(QFileInfo::exists(uncontrolledPath()));
    ASSERT_FALSE(databases().UncontrolledMode());
    ASSERT_TRUE(m_dialogs.messages().isEmpty()) << m_dialogs.texts().join('|').toStdString();
}

void ManagerTest::TearDown() {
    m_engine.reset();
    DataDirectory::setOverride(QString());
}

QString ManagerTest::controlledPath() const {
    return m_home.filePath(QStringLiteral("quarixdb.ini"));
}

QString ManagerTest::uncontrolledPath() const {
    return m_home.filePath(QStringLiteral("CARTOVEX.INI"));
}

QByteArray ManagerTest::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void ManagerTest::write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ManagerTest::fixture(const QString& name) {
    QFile file(testsupport::dataPath(QStringLiteral("manager/") + name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

QString ManagerTest::copyFixture(const QString& name) const {
    const QString path = workPath(name);
    write(path, fixture(name));
    return path;
}

QString ManagerTest::workPath(const QString& name) const {
    const QString path = m_work.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void ManagerTest::useUncontrolled() {
    databases().SelectUncontrolledDatabase();
    ASSERT_TRUE(databases().UncontrolledMode());
    ASSERT_EQ(databases().currentPath(), uncontrolledPath());
}

ReportLoader::Result ManagerTest::load(const QString& name, const QByteArray& bytes) {
    const QString path = workPath(QStringLiteral("reports/") + name);
    write(path, bytes);
    return engine().openReport(path);
}

ReportLoader::Result ManagerTest::loadFixture(const QString& name) {
    return engine().openReport(copyFixture(name));
}

QStringList ManagerTest::takeMessages() {
    const QStringList texts = m_dialogs.texts();
    m_dialogs.clear();
    return texts;
}

QList<QStringList> findingsIn(const QStringList& suggestions) {
    QList<QStringList> out;
    for (qsizetype i = 0; i < suggestions.size(); ++i) {
        const QString& line = suggestions.at(i);
        if (!line.startsWith(Bullet) || !line.endsWith(QLatin1String(" is out of date."))) {
            continue;
        }
        QStringList block;
        qsizetype k = i;
        for (; k < suggestions.size(); ++k) {
            block.append(suggestions.at(k));
            if (suggestions.at(k) == QLatin1String(" ")) {
                break;
            }
        }
        out.append(block);
        i = k;
    }
    return out;
}

QStringList finding(const QString& module, const QString& current, const QString& loaded,
                    const QString& file, bool user) {
    QStringList block = {Bullet + module + QStringLiteral(" is out of date."),
                         QStringLiteral("   Current version is ") + current +
                             QStringLiteral(". Your version is ") + loaded + u'.'};
    if (!file.isEmpty()) {
        block.append(QStringLiteral("   Apply the updates from the file ") + file + u'.');
    }
    if (user) {
        block.append(QStringLiteral("   (This data is from user-customized database)"));
    }
    block.append(QStringLiteral(" "));
    return block;
}

namespace managerreports {

namespace {

QByteArray header(const QString& osVersion, const QByteArray& producer) {
    return "*******************************************************************************\r\n"
           "Quarix File Server Configuration Report For Server: OAK-FS2\r\n"
           "Quarix File Server Configuration Report Created: 04-09-2026  09:15:30\r\n"
           "Quarix File Server Configuration Report.  [Produced by " +
           producer +
           "]\r\n"
           "*******************************************************************************\r\n"
           "\r\n"
           "Server name...............: OAK-FS2\r\n"
           "OS Version................: v" +
           osVersion.toLatin1() +
           "\r\n"
           "Server Up Time(D:H:M:Sec).: 3:02:10:44\r\n"
           "Licensed Connections......: 100\r\n"
           "Internal Net. Addr........: 1C2D3E4F\r\n"
           "Processor Speed...........: 980\r\n"
           "Server Utilization........: 7%\r\n"
           "Engine Type...............: NATIVE\r\n"
           "Total Server memory.......: 134217728 bytes\r\n"
           "Cache Buffer Size.........: 4096\r\n"
           "Original Cache Buffers....: 30122\r\n"
           "Total Cache Buffers.......: 20417\r\n"
           "LRU Sitting Time..........: 1:04:30:00\r\n"
           "\r\n";
}

}  // namespace

QByteArray longForm(const QString& osVersion, const QList<Module>& modules) {
    QByteArray out = header(osVersion, "CFGDUMP.DXP 1.31 (c) 2026");
    out += "*************************** Top of Module Listing ****************************\r\n";
    for (const Module& m : modules) {
        out += m.name.toLatin1() + "\r\n   Daltrix module\r\n";
        if (!m.version.isEmpty()) {
            out += "   Version " + m.version.toLatin1() + "   May 2, 1998\r\n";
        }
        out += "   Code Address: FC4D1000  Data Address: FC9A2000\r\n\r\n";
    }
    out +=
        "------------------------------------------------------------------------------\r\n"
        "\r\n"
        "End of config report.\r\n";
    return out;
}

QByteArray compact(const QString& osVersion, const QList<Module>& modules) {
    QByteArray out = header(osVersion, "CFGUTIL.DXP v3.02");
    out +=
        "**************************** Top of Modules List ******************************\r\n"
        "Module name   Version   Date       Description\r\n";
    for (const Module& m : modules) {
        const QString version =
            m.version.isEmpty() ? QString(7, u' ') : QStringLiteral("v%1").arg(m.version, -6);
        out += QStringLiteral("%1 %2   06-12-1996 Daltrix module\r\n")
                   .arg(m.name, -12)
                   .arg(version)
                   .toLatin1();
    }
    out +=
        "-------------------------------------------------------------------------------\r\n"
        "\r\n"
        "End of config report.\r\n";
    return out;
}

}  // namespace managerreports
