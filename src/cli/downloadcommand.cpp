#include "clidialogs.h"
#include "commands.h"
#include "output.h"
#include "reportjson.h"

#include "engine/engine.h"
#include "settings/preferences.h"
#include "ui/operationerror.h"

#include <unistd.h>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace commands {

namespace {

// The transfer's temporary file, as the signal handler needs it: a plain C string.
char partFile[4096];

extern "C" void stopDownload(int signal) {
    if (partFile[0] != '\0') {
        ::unlink(partFile);
    }
    ::_exit(128 + signal);
}

// A download stopped by SIGINT or SIGTERM removes its temporary file and exits with 128 plus
// the signal's number, as a shell reports a program the signal ended.
void removePartFileOnSignal(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) < sizeof partFile) {
        std::memcpy(partFile, name.constData(), size_t(name.size()) + 1);
    }
    struct sigaction action {};
    action.sa_handler = stopDownload;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

// The status window on stderr: a live "n of N bytes received" line on a terminal, else the
// final line once. It closes when the transfer has ended, as a user would close it then.
class CliStatusWindow : public DownloadObserver {
  public:
    explicit CliStatusWindow(DownloadSession& session)
        : m_session(session), m_live(::isatty(::fileno(stderr)) != 0) {}

    void viewsChanged() override {
        const FtpStatusView& status = m_session.views().status;
        if (m_live && status.visible && status.Status != m_shown) {
            m_shown = status.Status;
            std::fprintf(stderr, "\r%s", m_shown.toUtf8().constData());
            std::fflush(stderr);
        }
    }

    void runStatusWindow() override {
        m_session.FTP1().waitForIdle(-1);
        const QString line = m_session.views().status.Status;
        if (m_live) {
            std::fputs("\n", stderr);
        } else {
            output::printError(line);
        }
        m_shown.clear();
    }

  private:
    DownloadSession& m_session;
    bool m_live;
    QString m_shown;
};

struct DownloadRequest {
    QString host, port, remoteFile, security;
    bool active = false;
    bool sync = false;
    bool yes = false;
};

// Options given on the command line are stored first, as the Options window's OK would.
void storeGivenSettings(Engine& engine, const DownloadRequest& r) {
    if (r.host.isNull() && r.port.isNull() && r.remoteFile.isNull()) {
        return;
    }
    OptionsState& state = engine.download().options;
    state.FormActivate(Preferences(engine.databases().controlled().path()).rootDir());
    state.fields.RemoteHost = r.host.isNull() ? state.fields.RemoteHost : r.host;
    state.fields.RemotePort = r.port.isNull() ? state.fields.RemotePort : r.port;
    state.fields.RemoteFile = r.remoteFile.isNull() ? state.fields.RemoteFile : r.remoteFile;
    state.OKButtonClick();
}

// Clicks "Next  >" until the wizard closes; a step that leaves the session not ready shows
// why at the next click, and the session is then cancelled.
bool runWizard(Engine& engine, CliDialogs& dialogs, const DownloadRequest& r) {
    DownloadComponents& d = engine.download();
    d.session.FTP1().setPassiveMode(!r.active);
    d.wizard.open();
    bool replaced = false;
    for (int click = 0; click < 12 && d.wizard.view().visible; ++click) {
        const bool ready = d.session.TransferReady();
        dialogs.setDefaultAnswer(d.session.WizardStep() == 4 ? r.sync : r.yes);
        d.wizard.NextBtnClick();
        if (!ready) {
            d.wizard.CancelBtnClick();
            break;
        }
        d.session.FTP1().waitForIdle(-1);
        replaced = replaced || d.session.databaseReplaced();
    }
    d.session.FTP1().waitForIdle(-1);
    return replaced;
}

QJsonObject sessionJson(DownloadSession& s, bool replaced, const CliDialogs& dialogs) {
    return {{"TransferReady", s.TransferReady()},
            {"FailureReason", s.FailureReason()},
            {"RemoteSize", double(s.RemoteSize())},
            {"RemoteDate", s.RemoteDate()},
            {"WizardStep", s.WizardStep()},
            {"replaced", replaced},
            {"messages", reportjson::messages(dialogs.messages())}};
}

}  // namespace

int download(CliOptions words) {
    DownloadRequest r;
    r.host = words.takeValue(QStringLiteral("host"));
    r.port = words.takeValue(QStringLiteral("port"));
    r.remoteFile = words.takeValue(QStringLiteral("remote-file"));
    r.security = words.takeValue(QStringLiteral("security"));
    r.active = words.takeFlag(QStringLiteral("active"));
    r.sync = words.takeFlag(QStringLiteral("sync"));
    r.yes = words.yes;
    if (!words.rejectUnknown()) {
        return usage(words.error);
    }
    if (words.args.size() != 1) {
        return usage(QStringLiteral("download takes only options"));
    }
    const std::optional<FtpSecurity> security = ftpsecurity::fromWord(r.security);
    if (!r.security.isNull() && !security) {
        return usage(QStringLiteral("--security takes off, available or required"));
    }
    CliDialogs dialogs;
    NullProgress progress;
    Engine engine(dialogs, progress);
    CliStatusWindow window(engine.download().session);
    engine.download().session.setObserver(&window);
    engine.download().session.overrideSecurity(security);
    try {
        if (!engine.create()) {
            return 1;
        }
        engine.firstActivation();
        storeGivenSettings(engine, r);
        removePartFileOnSignal(DownloadSettings::load(engine.databases().controlled()).LocalFile +
                               QStringLiteral(".part"));
        const bool replaced = runWizard(engine, dialogs, r);
        if (words.json) {
            const QJsonObject o = sessionJson(engine.download().session, replaced, dialogs);
            output::print(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)));
        }
        return replaced ? 0 : 1;
    } catch (const OperationError& e) {
        dialogs.error(e.message());
        return 1;
    }
}

}  // namespace commands
