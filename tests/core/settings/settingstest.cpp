#include "settingstest.h"

#include "settings/datadirectory.h"

namespace {

void restore(const char* name, const QByteArray& value) {
    if (value.isNull()) {
        qunsetenv(name);
    } else {
        qputenv(name, value);
    }
}

}  // namespace

void SettingsTest::SetUp() {
    m_savedCartovexHome = qgetenv("CARTOVEX_HOME");
    m_savedXdgConfigHome = qgetenv("XDG_CONFIG_HOME");
    m_savedHome = qgetenv("HOME");
    ASSERT_TRUE(m_home.isValid());
    qputenv("CARTOVEX_HOME", QFile::encodeName(m_home.path()));
}

void SettingsTest::TearDown() {
    DataDirectory::setOverride(QString());
    restore("CARTOVEX_HOME", m_savedCartovexHome);
    restore("XDG_CONFIG_HOME", m_savedXdgConfigHome);
    restore("HOME", m_savedHome);
}
