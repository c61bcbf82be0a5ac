#include "wizardtest.h"

#include "ini/inifile.h"
#include "settings/datadirectory.h"
#include "settings/preferences.h"

#include <QPushButton>
#include <QTest>

void WizardTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    DataDirectory::setOverride(m_home.path());
    m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
    m_engine->synchroniseCustomEntries = [this] { ++m_syncCalls; };
    ASSERT_TRUE(m_engine->create());
    m_engine->firstActivation();
    session().FTP1().setTimeouts({3000, 1500});
    m_status = std::make_unique<FtpStatusForm>();
    m_wizard = std::make_unique<FtpWizardForm>(download(), *m_status);
    m_wizard->statusPanelChanged = [this](const QString& text) { m_panel0 << text; };
}

void WizardTest::TearDown() {
    m_wizard.reset();
    m_status.reset();
    m_engine.reset();
    DataDirectory::setOverride(QString());
}

void WizardTest::pointAt(const QString& port, const QString& remoteFile) {
    OptionsState& options = download().options;
    options.FormActivate(QStringLiteral("C:\\"));
    options.fields.RemoteHost = QStringLiteral("127.0.0.1");
    options.fields.RemotePort = port;
    if (!remoteFile.isEmpty()) {
        options.fields.RemoteFile = remoteFile;
    }
    options.OKButtonClick();
}

void WizardTest::clickNext() {
    QTest::mouseClick(m_wizard->nextButton(), Qt::LeftButton);
}

bool WizardTest::waitIdle() {
    return QTest::qWaitFor([this] { return session().FTP1().isIdle(); }, Bound);
}

QString WizardTest::preference(const QString& key) const {
    return IniFile(DataDirectory::controlledDatabasePath())
        .readString(QLatin1String(Preferences::kSection), key, QStringLiteral("<none>"));
}
