#include "pipelinetest.h"
#include "testsupport.h"

#include "settings/datadirectory.h"

#include <QDir>
#include <QFile>

void PipelineTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    ASSERT_TRUE(m_reports.isValid());
    // Paths are resolved when the engine is built, so the data directory comes first.
    DataDirectory::setOverride(m_home.path());
    restartEngine();
}

void PipelineTest::TearDown() {
    m_engine.reset();
    DataDirectory::setOverride(QString());
}

void PipelineTest::restartEngine() {
    m_engine.reset();
    m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
    m_engine->create();
    m_engine->firstActivation();
}

QString PipelineTest::writeReport(const QString& name, const QByteArray& bytes) const {
    const QString path = m_reports.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QString PipelineTest::copyFixture(const QString& name) const {
    QFile source(testsupport::dataPath(QStringLiteral("pipeline/") + name));
    EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << name.toStdString();
    return writeReport(name, source.readAll());
}

QString PipelineTest::controlledPath() const {
    return m_home.filePath(QStringLiteral("quarixdb.ini"));
}

QStringList PipelineTest::takeMessages() {
    const QStringList texts = m_dialogs.texts();
    m_dialogs.clear();
    return texts;
}

namespace reports {

QByteArray build(const QString& engineType, int listings, const QString& memory) {
    QByteArray out =
        "*******************************************************************************\r\n"
        "Quarix File Server Configuration Report For Server: ELM-FS3\r\n"
        "Quarix File Server Configuration Report Created: 01-02-2026  08:00:00\r\n"
        "Quarix File Server Configuration Report.  [Produced by CFGDUMP.DXP 1.31 (c) 2026]\r\n"
        "*******************************************************************************\r\n"
        "\r\n"
        "Server name...............: ELM-FS3\r\n"
        "OS Version................: v4.10\r\n"
        "Server Up Time(D:H:M:Sec).: 2:01:00:00\r\n"
        "Licensed Connections......: 50\r\n"
        "Internal Net. Addr........: 0000ABCD\r\n"
        "Processor Speed...........: 800\r\n"
        "Server Utilization........: 2%\r\n"
        "Engine Type...............: " +
        engineType.toLatin1() +
        "\r\n"
        "Total Server memory.......: " +
        memory.toLatin1() +
        " bytes\r\n"
        "Cache Buffer Size.........: 4096\r\n"
        "Original Cache Buffers....: 30122\r\n"
        "Total Cache Buffers.......: 20417\r\n"
        "LRU Sitting Time..........: 1:00:30:00\r\n"
        "\r\n";
    for (int k = 0; k < listings; ++k) {
        out +=
            "*************************** Top of Module Listing ****************************\r\n"
            "CLIB.DXP\r\n"
            "   Daltrix C Library\r\n"
            "   Version 4.10   May 2, 1998\r\n"
            "\r\n"
            "------------------------------------------------------------------------------\r\n"
            "\r\n";
    }
    return out + "End of config report.\r\n";
}

QByteArray lines(int lines, const QByteArray& firstLine) {
    QByteArray out = firstLine + "\r\n";
    for (int k = 2; k <= lines; ++k) {
        out += "line " + QByteArray::number(k) + "\r\n";
    }
    return out;
}

QByteArray ofSize(int size) {
    QByteArray out;
    while (out.size() < size) {
        out += "Daltrix report filler text\r\n";
    }
    out.truncate(size);
    return out;
}

}  // namespace reports
