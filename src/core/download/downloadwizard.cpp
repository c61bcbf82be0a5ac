#include "download/downloadwizard.h"

#include "download/downloadmessages.h"
#include "download/downloadsession.h"
#include "download/optionsstate.h"
#include "patchdb/databaseselection.h"
#include "settings/lastdbdownload.h"
#include "settings/preferences.h"
#include "ui/progress.h"
#include "ui/userdialogs.h"

#include <QLocale>

DownloadWizard::DownloadWizard(DownloadSession& session, OptionsState& options,
                               UserDialogs& dialogs, Progress& progress,
                               std::function<void()> synchronise)
    : m_session(session),
      m_options(options),
      m_dialogs(dialogs),
      m_progress(progress),
      m_synchronise(std::move(synchronise)) {}

WizardView& DownloadWizard::view() {
    return m_session.views().wizard;
}

void DownloadWizard::Reset() {
    WizardView& v = view();
    const bool passive = v.chkPassiveMode;
    v = WizardView{};
    v.chkPassiveMode = passive;
    m_session.setWizardStep(0);
    m_session.startOver();
    const QString dash = QStringLiteral(" - ");
    v.DownloadFrequency = dash + m_options.frequencyCaption();
    v.LastDownload = dash + QLocale().toString(LastDbDownload::readDate(), QLocale::ShortFormat);
    v.NewDatabaseDate = dash;
    v.OldDatabaseDate =
        dash + Preferences(m_options.databases().controlled().path()).dbDateOnRemoteSite();
}

void DownloadWizard::FormActivate() {
    view().chkPassiveMode = m_session.FTP1().PassiveMode();
    m_remoteFileChecked = false;
}

void DownloadWizard::open() {
    Reset();
    view().visible = true;
    FormActivate();
}

void DownloadWizard::close() {
    view().visible = false;
}

bool DownloadWizard::remoteFileCheck() {
    if (m_remoteFileChecked) {
        return true;
    }
    m_remoteFileChecked = true;
    DownloadSettings& s = m_options.fields;
    if (s.RemoteFile == DownloadSettings::DefaultRemoteFile || !s.CheckRemoteFile) {
        return true;
    }
    if (m_dialogs.askYesNo(MessageKind::Warning,
                           downloadmessages::remoteFileQuestion(s.RemoteFile))) {
        m_options.databases().controlled().writeString(QLatin1String(Preferences::kSection),
                                                       QStringLiteral("RemoteFile"),
                                                       DownloadSettings::DefaultRemoteFile);
        s.RemoteFile = DownloadSettings::DefaultRemoteFile;
    }
    return false;
}

void DownloadWizard::NextBtnClick() {
    if (!m_session.TransferReady()) {
        m_dialogs.error(m_session.refusalMessage());
        return;
    }
    if (!remoteFileCheck()) {
        return;
    }
    view().NextEnabled = false;
    runStep();
    m_progress.pumpEvents();
    view().NextEnabled = true;
}

void DownloadWizard::runStep() {
    WizardView& v = view();
    switch (m_session.WizardStep()) {
        case 0:
            m_session.ConnectSpdBtnClick();
            break;
        case 1:
            m_session.BinBtnClick();
            m_session.setWizardStep(2);
            v.SetBinaryMode = {true, true};
            v.HintLabel = m_session.continueHint();
            break;
        case 2:
            m_session.GetFileSpdBtnClick();
            break;
        case 3:
            m_session.DisconnectBtnClick();
            m_session.setWizardStep(4);
            v.Disconnect = {true, true};
            v.NextCaption = QStringLiteral("Exit");
            v.HintLabel = QStringLiteral("Click Exit to exit");
            break;
        default:
            close();
            if (m_dialogs.askYesNo(MessageKind::Confirmation, downloadmessages::syncQuestion()) &&
                m_synchronise) {
                m_synchronise();
            }
            break;
    }
}

void DownloadWizard::CancelBtnClick() {
    m_session.DisconnectBtnClick();
    close();
}

void DownloadWizard::chkPassiveModeClick(bool ticked) {
    bool passive = ticked;
    if (!ticked) {
        passive = m_dialogs.askYesNo(MessageKind::Warning, downloadmessages::passiveModeQuestion());
    }
    view().chkPassiveMode = passive;
    m_session.FTP1().setPassiveMode(passive);
}
