#include "comparetest.h"
#include "testsupport.h"

#include "settings/datadirectory.h"

void CompareTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    DataDirectory::setOverride(m_home.path());
    m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
    m_engine->create();
    m_engine->firstActivation();
}

void CompareTest::TearDown() {
    m_engine.reset();
    DataDirectory::setOverride(QString());
}

QString CompareTest::fixture(const QString& name) {
    return testsupport::dataPath(QStringLiteral("compare/") + name);
}

ReportLoader::Result CompareTest::open(const QString& name) {
    return m_engine->openReport(fixture(name));
}

ReportLoader::Result CompareTest::compareWith(const QString& name) {
    const QString path = name.isEmpty() ? QString() : fixture(name);
    return compare().CompareServers([&path] { return path; });
}

void CompareTest::baselineAndCompare(const QString& baseline, const QString& other) {
    ASSERT_TRUE(open(baseline).error.isNull());
    compare().ChooseBaseline();
    ASSERT_TRUE(compareWith(other).error.isNull());
}

QStringList CompareTest::takeMessages() {
    const QStringList texts = m_dialogs.texts();
    m_dialogs.clear();
    return texts;
}
