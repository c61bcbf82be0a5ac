#include "gui/windows/optionsform.h"

#include "download/ftpsecurity.h"
#include "download/optionsstate.h"
#include "gui/widgets/pagewidgets.h"
#include "startup/windowsettings.h"
#include "ui/operationerror.h"
#include "ui/userdialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QString withSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// Checks the button of `id` in an exclusive group, or none for -1.
void checkId(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

}  // namespace

OptionsForm::OptionsForm(OptionsState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("TOptionsForm"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);
    m_pages = new QTabWidget(this);
    m_pages->addTab(createFolderPage(), QStringLiteral("Config Dir"));
    m_pages->addTab(createInternetPage(), QStringLiteral("Internet"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &OptionsForm::OKButtonClick);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(cancel, &QPushButton::clicked, this, &OptionsForm::CancelButtonClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    resize(470, 430);
}

QWidget* OptionsForm::createFolderPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("RootDirSheet"));
    auto* group =
        new QGroupBox(QStringLiteral("Root Directory To Look For Config Text Files"), page);
    group->setAccessibleName(group->title());
    m_drives = new QComboBox(group);
    m_drives->setObjectName(QStringLiteral("DriveComboBox"));
    m_drives->setAccessibleName(QStringLiteral("Drive"));
    for (const QFileInfo& drive : QDir::drives()) {
        m_drives->addItem(drive.absoluteFilePath());
    }
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(m_drives->currentText());
    m_tree = new QTreeView(group);
    m_tree->setObjectName(QStringLiteral("RootDirListBox"));
    m_tree->setAccessibleName(QStringLiteral("Folders"));
    m_tree->setModel(m_folders);
    m_tree->setRootIndex(m_folders->index(m_drives->currentText()));
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column) {
        m_tree->hideColumn(column);
    }
    connect(m_tree, &QTreeView::clicked, this, &OptionsForm::folderClicked);
    // The folders are read in the background: the chosen one is kept in view while they come
    // in, until the user picks one.
    const auto keepInView = [this] {
        if (m_scrollPending) {
            m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
        }
    };
    connect(m_folders, &QFileSystemModel::rowsInserted, m_tree, keepInView, Qt::QueuedConnection);
    connect(m_folders, &QFileSystemModel::layoutChanged, m_tree, keepInView, Qt::QueuedConnection);
    connect(m_drives, &QComboBox::currentTextChanged, this, [this](const QString& drive) {
        m_folders->setRootPath(drive);
        m_tree->setRootIndex(m_folders->index(drive));
    });
    m_dirLabel = new QLabel(group);
    m_dirLabel->setObjectName(QStringLiteral("DirLabel"));
    m_dirLabel->setAccessibleDescription(QStringLiteral("Chosen folder"));
    m_dirLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_drives);
    groupLayout->addWidget(m_tree, 1);
    groupLayout->addWidget(m_dirLabel);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    return page;
}

QWidget* OptionsForm::createInternetPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("FTPSheet"));
    m_dbType = new QButtonGroup(this);
    QGroupBox* dbType = createRadioGroup(page, QStringLiteral("Database Type"),
                                         {QStringLiteral("Use Quarix-controlled database via FTP"),
                                          QStringLiteral("Use non-controlled local database")},
                                         m_dbType, false);
    dbType->setObjectName(QStringLiteral("DBTypeRadioGrp"));
    connect(m_dbType, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (!checked) {
            return;
        }
        m_state.DBTypeRadioGrpClick(index);
        renderEnabled();
    });
    m_frequency = new QButtonGroup(this);
    m_frequencyBox = createRadioGroup(
        page, QStringLiteral("Download Frequency"),
        {QStringLiteral("Weekly"), QStringLiteral("Monthly"), QStringLiteral("Never")}, m_frequency,
        true);
    m_frequencyBox->setObjectName(QStringLiteral("FreqRadioGrp"));
    m_ftpControls << m_frequencyBox;

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(dbType);
    layout->addWidget(createConnectionGroup(page));
    layout->addWidget(m_frequencyBox);
    layout->addStretch(1);
    return page;
}

QGroupBox* OptionsForm::createRadioGroup(QWidget* parent, const QString& title,
                                         const QStringList& items, QButtonGroup* group,
                                         bool columns) {
    auto* box = new QGroupBox(title, parent);
    box->setAccessibleName(title);
    QBoxLayout* layout = columns ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                 : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), box);
        button->setAccessibleName(items.at(i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return box;
}

QGroupBox* OptionsForm::createConnectionGroup(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral("FTP Connection Information"), parent);
    group->setAccessibleName(group->title());
    auto* grid = new QGridLayout(group);
    m_host = addField(group, 0, QStringLiteral("Remote Host:"), "RemoteHostEdit");
    m_user = addField(group, 1, QStringLiteral("User Name:"), "UserNameEdit");
    m_password = addField(group, 2, QStringLiteral("Password:"), "PasswordEdit");
    m_port = addField(group, 3, QStringLiteral("Remote Port:"), "RemotePortEdit");
    m_remoteFile = addField(group, 4, QStringLiteral("Remote File:"), "RemoteFileEdit");
    m_localFile = addField(group, 5, QStringLiteral("Local File:"), "LocalFileEdit");
    // The local file is where a download is saved; it is neither shown nor edited.
    m_ftpControls.removeLast();
    m_ftpControls.removeLast();
    for (QWidget* hidden :
         {static_cast<QWidget*>(m_localFile), grid->itemAtPosition(5, 0)->widget()}) {
        hidden->setEnabled(false);
        hidden->hide();
    }
    m_security = new QComboBox(group);
    m_security->setObjectName(QStringLiteral("FtpSecurityComboBox"));
    for (FtpSecurity s : {FtpSecurity::Off, FtpSecurity::WhenAvailable, FtpSecurity::Required}) {
        m_security->addItem(ftpsecurity::text(s));
    }
    addRow(group, 6, QStringLiteral("Security:"), m_security);
    m_caFile = addField(group, 7, QStringLiteral("CA File:"), "FtpCaFileEdit");
    m_checkRemoteFile = new QCheckBox(QStringLiteral("Check Remote File"), group);
    m_checkRemoteFile->setObjectName(QStringLiteral("chkCheckRemoteFile"));
    m_checkRemoteFile->setAccessibleName(m_checkRemoteFile->text());
    m_defaults = new QPushButton(QStringLiteral("Default Values"), group);
    m_defaults->setObjectName(QStringLiteral("DefaultFTPValuesButton"));
    m_defaults->setAccessibleName(m_defaults->text());
    connect(m_defaults, &QPushButton::clicked, this, &OptionsForm::DefaultFTPValuesButtonClick);
    m_ftpControls << m_defaults;
    grid->addWidget(m_checkRemoteFile, 8, 1);
    grid->addWidget(m_defaults, 8, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QLineEdit* OptionsForm::addField(QGroupBox* group, int row, const QString& caption,
                                 const char* name) {
    auto* edit = new QLineEdit(group);
    edit->setObjectName(QLatin1String(name));
    addRow(group, row, caption, edit);
    return edit;
}

void OptionsForm::addRow(QGroupBox* group, int row, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, group);
    field->setAccessibleName(pagewidgets::fieldName(caption));
    label->setBuddy(field);
    auto* grid = static_cast<QGridLayout*>(group->layout());
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1, 1, 2);
    m_ftpControls << label << field;
}

void OptionsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void OptionsForm::FormActivate() {
    m_state.FormActivate(m_openDialogFolder);
    render();
}

void OptionsForm::render() {
    const DownloadSettings& f = m_state.fields;
    m_host->setText(f.RemoteHost);
    m_port->setText(f.RemotePort);
    m_user->setText(f.UserName);
    m_password->setText(f.Password);
    m_remoteFile->setText(f.RemoteFile);
    m_localFile->setText(f.LocalFile);
    m_checkRemoteFile->setChecked(f.CheckRemoteFile);
    m_security->setCurrentIndex(int(f.Security));
    m_caFile->setText(f.CaFile);
    checkId(m_frequency, f.Frequency);
    checkId(m_dbType, m_state.DBTypeRadioGrp);
    renderEnabled();
    renderFolder();
}

void OptionsForm::renderEnabled() {
    for (QWidget* control : std::as_const(m_ftpControls)) {
        control->setEnabled(m_state.ftpEnabled());
    }
}

void OptionsForm::renderFolder() {
    m_dirLabel->setText(m_state.RootDir);
    // The tree starts in the stored folder, or in the home folder when that names none.
    const QString folder = QDir::cleanPath(WindowSettings::startFolder(m_state.RootDir));
    if (QFileInfo(folder).isDir()) {
        const QModelIndex index = m_folders->index(folder);
        for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
            m_tree->expand(parent);
        }
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
        m_scrollPending = true;
    } else {
        m_tree->clearSelection();
    }
}

// The fields as the user left them, into the options state.
void OptionsForm::collect() {
    DownloadSettings& f = m_state.fields;
    f.RemoteHost = m_host->text();
    f.RemotePort = m_port->text();
    f.UserName = m_user->text();
    f.Password = m_password->text();
    f.RemoteFile = m_remoteFile->text();
    f.LocalFile = m_localFile->text();
    f.CheckRemoteFile = m_checkRemoteFile->isChecked();
    f.Security = FtpSecurity(m_security->currentIndex());
    f.CaFile = m_caFile->text();
    f.Frequency = m_frequency->checkedId();
}

void OptionsForm::folderClicked() {
    m_scrollPending = false;
    chooseFolder(m_folders->filePath(m_tree->currentIndex()));
}

void OptionsForm::chooseFolder(const QString& folder) {
    m_state.RootDir = withSeparator(folder);
    renderFolder();
}

void OptionsForm::DefaultFTPValuesButtonClick() {
    m_state.DefaultFTPValuesButtonClick();
    render();
}

void OptionsForm::OKButtonClick() {
    collect();
    try {
        m_openDialogFolder = m_state.OKButtonClick();
    } catch (const OperationError& e) {
        m_dialogs.error(e.message());
        return;
    }
    accept();
}

void OptionsForm::CancelButtonClick() {
    m_state.CancelButtonClick();
    reject();
}
