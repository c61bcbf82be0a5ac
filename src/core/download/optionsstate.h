#pragma once

#include "download/downloadsettings.h"

#include <QString>

class DatabaseSelection;

// The Options window's state: what its fields show and the rules of its buttons. The window
// renders these fields and calls these operations; the command line does the same.
//
// Fields: `fields` holds RemoteHostEdit, RemotePortEdit, UserNameEdit, PasswordEdit,
// RemoteFileEdit, chkCheckRemoteFile, LocalFileEdit (hidden, always disabled) and FreqRadioGrp's
// index in Frequency (0 "Weekly", 1 "Monthly", 2 "Never", -1 none: a stored value above 2 shows
// as 2 and one below 0 as none, as a three-item radio group shows it). DBTypeRadioGrp is 0 for
// "Use Quarix-controlled database via FTP", 1 for "Use non-controlled local database". RootDir is
// the "Config Dir" page's folder. ftpEnabled() tells whether the labels and fields of remote
// host, port, user name, password and remote file, FreqRadioGrp and "Default Values" are
// enabled; "Check Remote File" is always enabled.
class OptionsState {
  public:
    explicit OptionsState(DatabaseSelection& databases);

    DownloadSettings fields;
    int DBTypeRadioGrp = 0;
    QString RootDir;

    DatabaseSelection& databases() { return m_databases; }
    bool ftpEnabled() const { return DBTypeRadioGrp == 0; }
    // "Weekly", "Monthly" or "Never" for the selected frequency; empty when none is.
    QString frequencyCaption() const;

    // Each showing of the window: the folder the report-open dialog starts in, the database
    // type and the download settings, then the enabled flags.
    void FormActivate(const QString& openDialogFolder);
    // DBType of the current database file: "Controlled" in any case selects 0, else 1.
    void loadDatabaseType();
    // The download keys of quarixdb.ini into the fields, with their defaults.
    void loadDownloadSettings();
    void DBTypeRadioGrpClick(int index);
    // The defaults into the fields; nothing is written.
    void DefaultFTPValuesButtonClick();
    // Writes RootDir when the folder changed (ignoring case), switches the database to the
    // chosen type (DBType to both files), then writes the seven download settings and the
    // frequency. Returns the report-open dialog's starting folder from now on.
    QString OKButtonClick();
    // Closes without writing anything.
    void CancelButtonClick() {}

  private:
    DatabaseSelection& m_databases;
    QString m_activationFolder;
};
