// The download session's handlers of the transfer component's events.
#include "download/downloadmessages.h"
#include "download/downloadsession.h"
#include "download/ftperror.h"
#include "download/optionsstate.h"
#include "ui/userdialogs.h"

void DownloadSession::FTP1StateChanged(int state) {
    static const char* const Texts[] = {"Connecting", "Resolving Host", "Host Resolved",
                                        "Connected",  "Disconnecting",  "Disconnected"};
    if (state < 1 || state > 6) {
        return;
    }
    m_views.statusPanel0 = QLatin1String(Texts[state - 1]);
    if (state == 1) {
        m_transferReady = false;
        m_failureReason = 0;
    } else if (state == TFTP::Connected) {
        m_transferReady = true;
        m_wizardStep = 1;
        m_views.wizard.Connect = {true, true};
        m_views.wizard.HintLabel = QStringLiteral("Click Next to continue");
    } else if (state == 6) {
        m_transferReady = true;
    }
    changed();
}

void DownloadSession::FTP1ProtocolStateChanged(int protocolState) {
    if (protocolState == 1) {
        m_ftp.LogIn(m_options.fields.UserName, m_options.fields.Password);
    } else if (protocolState == 2) {
        if (m_ftp.Encrypted()) {
            m_views.wizard.HintLabel = continueHint();
            changed();
        }
        m_ftp.ListRemoteFile(m_options.fields.RemoteFile);
    }
}

void DownloadSession::FTP1ListItem(const FtpListItem& item) {
    m_remoteSize = 0;
    m_remoteSize = item.Size;
    m_remoteDate = item.Date;
    m_views.wizard.NewDatabaseDate = QStringLiteral(" - ") + m_remoteDate;
    changed();
}

void DownloadSession::FTP1Busy(bool isBusy) {
    m_views.wizard.NextEnabled = !isBusy;
    m_views.busyCursor = isBusy;
    m_views.statusPanel0 = isBusy ? QStringLiteral("FTP Busy") : QString();
    changed();
}

void DownloadSession::FTP1DocOutput(qint64 bytesTransferred) {
    statusLine(bytesTransferred);
    if (bytesTransferred > 0 && bytesTransferred >= m_remoteSize) {
        m_views.status.ButtonCaption = QStringLiteral("Ok");
        m_downloadComplete = true;
    }
    changed();
}

void DownloadSession::FTP1Error(int number, const QString& description) {
    m_transferReady = false;
    if (number == ftperror::RemoteFileNotFound) {
        m_failureReason = 1;
    }
    changed();
    m_dialogs.error(downloadmessages::ftpError(number, description, m_options.fields.RemoteHost,
                                               m_options.fields.RemoteFile));
    m_views.busyCursor = false;
    changed();
}
