#pragma once

#include "download/downloadviews.h"
#include "download/tftp.h"

#include <QString>
#include <optional>

class DatabaseSelection;
class OptionsState;
class RecentFileList;
class UserDialogs;

// How the session's views reach a window: a repaint after every change, and the modal status
// window during Get File.
class DownloadObserver {
  public:
    virtual ~DownloadObserver() = default;
    virtual void viewsChanged() {}
    // Shows the status window (views().status) modally and returns when it is closed.
    virtual void runStatusWindow() = 0;
};

// The download of the controlled database: the wizard's step operations and the handlers of
// the transfer component's events, with the session state the wizard reads (TransferReady,
// FailureReason, RemoteSize, RemoteDate, DownloadComplete, WizardStep). The settings used are
// the Options window's fields, reloaded before every connection. The file is received into a
// temporary file beside LocalFile (temporaryFile()); only a transfer that received RemoteSize
// bytes replaces LocalFile, atomically, when the session ends, and then the settings are written
// back into it. Anything less leaves the old file and its settings untouched. Without an
// observer, Get File waits for the transfer to end as if the status window were closed then.
class DownloadSession {
  public:
    DownloadSession(OptionsState& options, DatabaseSelection& databases, UserDialogs& dialogs,
                    RecentFileList& recentFiles);
    ~DownloadSession();

    TFTP& FTP1() { return m_ftp; }
    DownloadViews& views() { return m_views; }
    void setObserver(DownloadObserver* observer) { m_observer = observer; }

    bool TransferReady() const { return m_transferReady; }
    int FailureReason() const { return m_failureReason; }
    qint64 RemoteSize() const { return m_remoteSize; }
    const QString& RemoteDate() const { return m_remoteDate; }
    bool DownloadComplete() const { return m_downloadComplete; }
    int WizardStep() const { return m_wizardStep; }
    // True once the last session's complete transfer replaced the local database and the
    // settings were written back; cleared when a new connection is requested.
    bool databaseReplaced() const { return m_replaced; }
    void setWizardStep(int step) { m_wizardStep = step; }
    // A new session: when nothing is connected, the failure of an earlier session (whose lost
    // connection reported no disconnect) no longer stops the wizard's first step.
    void startOver();
    QString temporaryFile() const;
    // A security used for the connections of this run instead of the stored FtpSecurity, which
    // it does not change; nothing restores the stored one.
    void overrideSecurity(std::optional<FtpSecurity> security) { m_security = security; }
    // The wizard's hint between steps: "Click Next to continue", preceded by
    // "Connected (TLS). " while the session runs over TLS.
    QString continueHint() const;

    // The wizard's refusal to go on for the current FailureReason.
    QString refusalMessage() const;

    void ConnectSpdBtnClick();
    void BinBtnClick();
    void GetFileSpdBtnClick();
    // Ends the session; after a complete transfer the new file is put in place and the settings
    // are written back.
    void DisconnectBtnClick();

    void FTP1StateChanged(int state);
    void FTP1ProtocolStateChanged(int protocolState);
    void FTP1ListItem(const FtpListItem& item);
    void FTP1Busy(bool isBusy);
    void FTP1DocOutput(qint64 bytesTransferred);
    void FTP1Error(int number, const QString& description);

  private:
    void changed();
    void statusLine(qint64 bytes);
    bool putInPlace();
    void postDownloadSteps();
    void dropTemporaryFile();

    OptionsState& m_options;
    DatabaseSelection& m_databases;
    UserDialogs& m_dialogs;
    RecentFileList& m_recentFiles;
    DownloadObserver* m_observer = nullptr;
    TFTP m_ftp;
    DownloadViews m_views;
    bool m_transferReady = true;
    int m_failureReason = 0;
    qint64 m_remoteSize = 0;
    QString m_remoteDate;
    bool m_downloadComplete = false;
    bool m_replaced = false;
    int m_wizardStep = 0;
    QString m_receiving;  // the temporary file of the transfer under way
    std::optional<FtpSecurity> m_security;
};
