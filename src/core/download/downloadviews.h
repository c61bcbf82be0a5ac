#pragma once

#include <QString>

// What the download's windows show, kept by the engine so the windows, the command line and
// the tests see the same texts. The windows render these and call the session and wizard
// operations; they hold no state of their own.

// A check box of the wizard's "Status" group.
struct WizardCheck {
    bool checked = false;
    bool enabled = false;
};

// The wizard window ("Download Quarix Database"). "<  Back" is always disabled.
struct WizardView {
    bool visible = false;
    bool NextEnabled = true;
    QString NextCaption = QStringLiteral("Next  >");
    QString HintLabel;
    WizardCheck Connect;
    WizardCheck SetBinaryMode;
    WizardCheck GetFile;
    WizardCheck Disconnect;
    // The values of the "Database Info" group, each beginning " - ".
    QString DownloadFrequency;
    QString LastDownload;
    QString NewDatabaseDate;
    QString OldDatabaseDate;
    bool chkPassiveMode = true;
};

// The transfer status window ("FTP Download Status"), shown modally during Get File. Its one
// button closes it and nothing else.
struct FtpStatusView {
    bool visible = false;
    QString RemoteHost;
    QString RemoteFile;
    QString SavingTo;
    QString Connection;  // "Connected (TLS)" when the session runs over TLS, else "Connected"
    QString Status;      // "n of N bytes received"
    qint64 barMaximum = 0;
    qint64 barPosition = 0;
    QString ButtonCaption = QStringLiteral("Cancel");
};

struct DownloadViews {
    QString statusPanel0;     // panel 0 of the main window's status bar
    bool busyCursor = false;  // the hourglass while the component is busy
    WizardView wizard;
    FtpStatusView status;
};
