#include "customtest.h"
#include "testsupport.h"

#include "patchdb/customentriestexts.h"
#include "settings/datadirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void CustomTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    DataDirectory::setOverride(m_home.path());
    m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
    m_engine->create();
    m_engine->firstActivation();
    ASSERT_TRUE(QFileInfo::exists(controlledPath()));
    ASSERT_TRUE(m_dialogs.messages().isEmpty());
}

void CustomTest::TearDown() {
    m_engine.reset();
    DataDirectory::setOverride(QString());
}

QString CustomTest::controlledPath() const {
    return m_home.filePath(QStringLiteral("quarixdb.ini"));
}

QString CustomTest::uncontrolledPath() const {
    return m_home.filePath(QStringLiteral("CARTOVEX.INI"));
}

QByteArray CustomTest::read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CustomTest::write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray CustomTest::fixture(const QString& name) {
    QFile file(testsupport::dataPath(QStringLiteral("custom/") + name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

QStringList CustomTest::takeMessages() {
    const QStringList texts = m_dialogs.texts();
    m_dialogs.clear();
    return texts;
}

void CustomTest::fill(const QString& name, const QString& version, const QStringList& boxes,
                      const QString& other, const QString& fileSet) {
    CustomEntriesPage& p = page();
    p.clearEntries();
    p.edtModuleName = name;
    p.edtModuleVer = version;
    for (const QString& caption : boxes) {
        const qsizetype box = customtexts::OsBoxCaptions.indexOf(caption);
        ASSERT_GE(box, 0) << caption.toStdString();
        p.osBoxes[box] = true;
    }
    p.edtOtherVer = other;
    p.cbxCustomFileSet = fileSet;
}
