#include "downloadtest.h"

#include "ini/inifile.h"
#include "settings/datadirectory.h"
#include "settings/preferences.h"

#include <QFile>

void DownloadTest::SetUp() {
    ensureApplication();
    m_savedHome = qgetenv("CARTOVEX_HOME");
    ASSERT_TRUE(m_home.isValid());
    qputenv("CARTOVEX_HOME", QFile::encodeName(m_home.path()));
    m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
    m_engine->synchroniseCustomEntries = [this] { ++m_syncCalls; };
    ASSERT_TRUE(m_engine->create());
    m_engine->firstActivation();
    session().FTP1().setTimeouts({3000, 1500});
}

void DownloadTest::TearDown() {
    m_engine.reset();
    DataDirectory::setOverride(QString());
    if (m_savedHome.isNull()) {
        qunsetenv("CARTOVEX_HOME");
    } else {
        qputenv("CARTOVEX_HOME", m_savedHome);
    }
}

QString DownloadTest::controlledPath() const {
    return DataDirectory::controlledDatabasePath();
}

QByteArray DownloadTest::controlledBytes() const {
    QFile file(controlledPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString DownloadTest::preference(const QString& key) const {
    return IniFile(controlledPath())
        .readString(QLatin1String(Preferences::kSection), key, QStringLiteral("<none>"));
}

void DownloadTest::pointAt(const FtpTestServer& server, const QString& remoteFile) {
    OptionsState& options = download().options;
    options.FormActivate(QStringLiteral("C:\\"));
    options.fields.RemoteHost = QStringLiteral("127.0.0.1");
    options.fields.RemotePort = server.port();
    if (!remoteFile.isEmpty()) {
        options.fields.RemoteFile = remoteFile;
    }
    options.OKButtonClick();
}

void DownloadTest::runWizard(int maxClicks) {
    DownloadWizard& wizard = download().wizard;
    wizard.open();
    for (int click = 0; click < maxClicks && wizard.view().visible; ++click) {
        const bool ready = session().TransferReady();
        wizard.NextBtnClick();
        if (!ready) {
            wizard.CancelBtnClick();
        }
        ASSERT_TRUE(session().FTP1().waitForIdle(Bound));
    }
}
