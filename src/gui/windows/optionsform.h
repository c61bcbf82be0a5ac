#pragma once

#include <QDialog>
#include <QString>

class OptionsState;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeView;
class UserDialogs;

// The Options window (modal): the "Config Dir" page with the folder in which report files are
// looked for, and the "Internet" page with the database type, the FTP connection settings and
// the download frequency. Each showing loads the engine's options state; OK hands the fields
// back to it to be written, Cancel writes nothing.
class OptionsForm : public QDialog {
    Q_OBJECT
  public:
    OptionsForm(OptionsState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The report-open dialog's starting folder: given before the window is shown, changed by
    // OK when another folder was chosen.
    void setOpenDialogFolder(const QString& folder) { m_openDialogFolder = folder; }
    QString openDialogFolder() const { return m_openDialogFolder; }

    // Chooses a folder on the "Config Dir" page, as a click in the folder tree does.
    void chooseFolder(const QString& folder);
    void DefaultFTPValuesButtonClick();
    void OKButtonClick();
    void CancelButtonClick();

    QTabWidget* pages() const { return m_pages; }
    QTreeView* folderTree() const { return m_tree; }
    QLabel* folderLabel() const { return m_dirLabel; }
    QButtonGroup* dbTypeGroup() const { return m_dbType; }
    QButtonGroup* frequencyGroup() const { return m_frequency; }
    QCheckBox* checkRemoteFile() const { return m_checkRemoteFile; }
    QComboBox* security() const { return m_security; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* createFolderPage();
    QWidget* createInternetPage();
    QGroupBox* createConnectionGroup(QWidget* parent);
    QGroupBox* createRadioGroup(QWidget* parent, const QString& title, const QStringList& items,
                                QButtonGroup* group, bool columns);
    QLineEdit* addField(QGroupBox* group, int row, const QString& caption, const char* name);
    // The caption and its field in one row of the group, enabled with the FTP fields.
    void addRow(QGroupBox* group, int row, const QString& caption, QWidget* field);
    void FormActivate();
    void render();
    void renderEnabled();
    void renderFolder();
    void collect();
    void folderClicked();

    OptionsState& m_state;
    UserDialogs& m_dialogs;
    QString m_openDialogFolder;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_drives = nullptr;
    QFileSystemModel* m_folders = nullptr;
    QTreeView* m_tree = nullptr;
    QLabel* m_dirLabel = nullptr;
    bool m_scrollPending = false;
    QButtonGroup* m_dbType = nullptr;
    QButtonGroup* m_frequency = nullptr;
    QGroupBox* m_frequencyBox = nullptr;
    QList<QWidget*> m_ftpControls;  // enabled only for the controlled database
    QLineEdit* m_host = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_remoteFile = nullptr;
    QLineEdit* m_localFile = nullptr;
    QCheckBox* m_checkRemoteFile = nullptr;
    QComboBox* m_security = nullptr;
    QLineEdit* m_caFile = nullptr;
    QPushButton* m_defaults = nullptr;
};
