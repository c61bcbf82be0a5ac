#include "download/downloadsession.h"

#include "download/downloadmessages.h"
#include "download/ftperror.h"
#include "download/optionsstate.h"
#include "ini/directorylock.h"
#include "patchdb/databaseselection.h"
#include "report/recentfilelist.h"
#include "settings/settingswriteback.h"
#include "ui/operationerror.h"
#include "ui/userdialogs.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

DownloadSession::DownloadSession(OptionsState& options, DatabaseSelection& databases,
                                 UserDialogs& dialogs, RecentFileList& recentFiles)
    : m_options(options), m_databases(databases), m_dialogs(dialogs), m_recentFiles(recentFiles) {
    QObject::connect(&m_ftp, &TFTP::StateChanged, [this](int s) { FTP1StateChanged(s); });
    QObject::connect(&m_ftp, &TFTP::ProtocolStateChanged,
                     [this](int s) { FTP1ProtocolStateChanged(s); });
    QObject::connect(&m_ftp, &TFTP::ListItem, [this](const FtpListItem& i) { FTP1ListItem(i); });
    QObject::connect(&m_ftp, &TFTP::Busy, [this](bool b) { FTP1Busy(b); });
    QObject::connect(&m_ftp, &TFTP::DocOutput, [this](qint64 n) { FTP1DocOutput(n); });
    QObject::connect(&m_ftp, &TFTP::Error, [this](int n, const QString& d) { FTP1Error(n, d); });
}

DownloadSession::~DownloadSession() {
    m_ftp.Abort();
    dropTemporaryFile();
}

QString DownloadSession::temporaryFile() const {
    return m_options.fields.LocalFile + QStringLiteral(".part");
}

void DownloadSession::changed() {
    if (m_observer) {
        m_observer->viewsChanged();
    }
}

QString DownloadSession::refusalMessage() const {
    return m_failureReason == 1 ? downloadmessages::notFound(m_options.fields.RemoteHost,
                                                             m_options.fields.RemoteFile)
                                : downloadmessages::noConnection();
}

QString DownloadSession::continueHint() const {
    const QString hint = QStringLiteral("Click Next to continue");
    return m_ftp.Encrypted() ? QStringLiteral("Connected (TLS). ") + hint : hint;
}

void DownloadSession::startOver() {
    if (m_ftp.State() != TFTP::Connected && m_ftp.isIdle()) {
        m_transferReady = true;
    }
}

void DownloadSession::ConnectSpdBtnClick() {
    m_transferReady = true;
    m_downloadComplete = false;
    m_replaced = false;
    if (m_ftp.State() == TFTP::Connected) {
        m_ftp.Disconnect();
    }
    dropTemporaryFile();
    m_options.loadDownloadSettings();
    m_ftp.setSecurity(m_security.value_or(m_options.fields.Security), m_options.fields.CaFile);
    m_ftp.Connect(m_options.fields.RemoteHost, m_options.fields.RemotePort);
    changed();
}

void DownloadSession::BinBtnClick() {
    m_ftp.SetBinaryMode(TFTP::BinaryTransfer);
}

void DownloadSession::GetFileSpdBtnClick() {
    if (m_remoteSize <= 0) {
        m_transferReady = false;
        m_failureReason = 1;
        changed();
        return;
    }
    dropTemporaryFile();
    m_receiving = temporaryFile();
    const DownloadSettings& s = m_options.fields;
    m_ftp.GetFile(s.RemoteFile, m_receiving);
    FtpStatusView& status = m_views.status;
    status = FtpStatusView{};
    status.visible = true;
    status.RemoteHost = s.RemoteHost;
    status.RemoteFile = s.RemoteFile;
    status.SavingTo = s.LocalFile;
    status.Connection =
        m_ftp.Encrypted() ? QStringLiteral("Connected (TLS)") : QStringLiteral("Connected");
    status.barMaximum = m_remoteSize;
    statusLine(0);
    changed();
    if (m_observer) {
        m_observer->runStatusWindow();
    } else {
        m_ftp.waitForIdle(-1);
    }
    status.visible = false;
    m_views.busyCursor = false;
    m_wizardStep = 3;
    m_views.wizard.GetFile = {true, true};
    changed();
}

void DownloadSession::DisconnectBtnClick() {
    if (m_ftp.State() == TFTP::Connected) {
        m_ftp.Disconnect();
    }
    if (m_downloadComplete) {
        m_downloadComplete = false;
        try {
            // The replacement and the write-back are one change of the data directory.
            const DirectoryLock lock = DirectoryLock::forFile(m_databases.controlled().path());
            if (putInPlace()) {
                postDownloadSteps();
            }
        } catch (const OperationError& e) {
            dropTemporaryFile();
            m_dialogs.error(e.message());
        }
    } else {
        dropTemporaryFile();
    }
    changed();
}

bool DownloadSession::putInPlace() {
    m_ftp.waitForLocalFileClosed(m_ftp.timeouts().idleMs);
    const QString target = m_options.fields.LocalFile;
    const QString received = m_receiving;
    m_receiving.clear();
    // The events said every byte arrived; the file on disk must say so too.
    if (received.isEmpty() || QFileInfo(received).size() < m_remoteSize) {
        QFile::remove(received);
        return false;
    }
    if (std::rename(QFile::encodeName(received).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        QFile::remove(received);
        m_dialogs.error(QStringLiteral("Unable to write to ") + target);
        return false;
    }
    return true;
}

void DownloadSession::postDownloadSteps() {
    m_options.fields.Frequency = 0;
    try {
        settingswriteback::afterDownload(m_databases, m_options.fields, m_remoteDate,
                                         m_recentFiles.entries());
        m_replaced = true;
    } catch (const OperationError& e) {
        m_dialogs.error(e.message());
    }
}

void DownloadSession::dropTemporaryFile() {
    if (m_receiving.isEmpty()) {
        return;
    }
    m_ftp.waitForLocalFileClosed(m_ftp.timeouts().idleMs);
    QFile::remove(m_receiving);
    m_receiving.clear();
}

void DownloadSession::statusLine(qint64 bytes) {
    m_views.status.Status = QString::number(bytes) + QStringLiteral(" of ") +
                            QString::number(m_remoteSize) + QStringLiteral(" bytes received");
    m_views.status.barPosition = bytes;
}
