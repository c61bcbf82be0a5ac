#include "gui/windows/optionsform.h"
#include "engine/engine.h"
#include "ini/inifile.h"
#include "settings/datadirectory.h"
#include "testsupport.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>

namespace {

const QString Section = QStringLiteral("Preferences");

// A data directory whose controlled database holds download settings of its own, an engine
// as the main window creates it, and the Options window over its options state.
class OptionsFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        DataDirectory::setOverride(m_home.path());
        writeControlled(QStringLiteral("Controlled"));
        m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
        ASSERT_TRUE(m_engine->create());
        m_engine->firstActivation();
        m_form = std::make_unique<OptionsForm>(m_engine->download().options, m_dialogs);
        m_form->setOpenDialogFolder(QStringLiteral("C:\\"));
    }
    void TearDown() override {
        m_form.reset();
        m_engine.reset();
        DataDirectory::setOverride(QString());
    }

    void writeControlled(const QString& dbType) {
        QFile file(m_home.filePath(QStringLiteral("quarixdb.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("[Preferences]\r\nDBType=%1\r\nRemoteHost=ftp.local.test\r\n"
                                  "RemotePort=2121\r\nUserName=fred\r\nPassword=secret\r\n"
                                  "RemoteFile=/pub/db.ini\r\nCheckRemoteFile=0\r\n"
                                  "Frequency=1\r\n\r\n[Core DXPs]\r\nCLIB.DXP=4.11c\r\n")
                       .arg(dbType)
                       .toLatin1());
    }
    QByteArray bytes(const QString& name) const {
        QFile file(m_home.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString stored(const QString& key, const QString& file = QStringLiteral("quarixdb.ini")) {
        return IniFile(m_home.filePath(file)).readString(Section, key, QStringLiteral("<none>"));
    }
    QLineEdit* edit(const char* name) const {
        return m_form->findChild<QLineEdit*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const {
        return m_form->findChild<QPushButton*>(QLatin1String(name));
    }

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<OptionsForm> m_form;
};

}  // namespace

TEST_F(OptionsFormTest, DefaultValuesThenCancelChangeNothing) {
    const QByteArray controlled = bytes(QStringLiteral("quarixdb.ini"));
    const QByteArray uncontrolled = bytes(QStringLiteral("CARTOVEX.INI"));
    m_form->show();
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Options"));
    EXPECT_TRUE(m_form->isModal());
    EXPECT_EQ(edit("RemoteHostEdit")->text(), QStringLiteral("ftp.local.test"));
    EXPECT_EQ(edit("RemotePortEdit")->text(), QStringLiteral("2121"));
    EXPECT_EQ(edit("PasswordEdit")->echoMode(), QLineEdit::Normal);
    EXPECT_FALSE(m_form->checkRemoteFile()->isChecked());
    EXPECT_EQ(m_form->frequencyGroup()->checkedId(), 1);
    EXPECT_TRUE(edit("LocalFileEdit")->isHidden());
    EXPECT_FALSE(edit("LocalFileEdit")->isEnabled());

    QTest::mouseClick(button("DefaultFTPValuesButton"), Qt::LeftButton);
    EXPECT_EQ(edit("RemoteHostEdit")->text(), QStringLiteral("ftp.quarix.example"));
    EXPECT_EQ(edit("RemotePortEdit")->text(), QStringLiteral("21"));
    EXPECT_EQ(edit("UserNameEdit")->text(), QStringLiteral("anonymous"));
    EXPECT_EQ(edit("RemoteFileEdit")->text(), QStringLiteral("/outgoing/cartvxdb.ini"));
    EXPECT_EQ(edit("LocalFileEdit")->text(), m_home.filePath(QStringLiteral("quarixdb.ini")));
    EXPECT_TRUE(m_form->checkRemoteFile()->isChecked());
    EXPECT_EQ(m_form->frequencyGroup()->checkedId(), 0);

    QTest::mouseClick(button("CancelButton"), Qt::LeftButton);
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_EQ(m_form->result(), QDialog::Rejected);
    EXPECT_EQ(bytes(QStringLiteral("quarixdb.ini")), controlled);
    EXPECT_EQ(bytes(QStringLiteral("CARTOVEX.INI")), uncontrolled);
    EXPECT_EQ(m_form->openDialogFolder(), QStringLiteral("C:\\"));

    // Shown again, the window reloads the stored values.
    m_form->show();
    EXPECT_EQ(edit("RemoteHostEdit")->text(), QStringLiteral("ftp.local.test"));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(OptionsFormTest, TheDatabaseTypeEnablesTheFtpFieldsButNotCheckRemoteFile) {
    m_form->show();
    EXPECT_EQ(m_form->dbTypeGroup()->checkedId(), 0);
    EXPECT_TRUE(edit("RemoteHostEdit")->isEnabled());
    m_form->dbTypeGroup()->button(1)->click();
    for (const char* name :
         {"RemoteHostEdit", "RemotePortEdit", "UserNameEdit", "PasswordEdit", "RemoteFileEdit"}) {
        EXPECT_FALSE(edit(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(m_form->frequencyGroup()->button(0)->isEnabled());
    EXPECT_FALSE(button("DefaultFTPValuesButton")->isEnabled());
    EXPECT_TRUE(m_form->checkRemoteFile()->isEnabled());
    m_form->dbTypeGroup()->button(0)->click();
    EXPECT_TRUE(edit("PasswordEdit")->isEnabled());
    m_form->reject();

    // A type of "controlled" in lower case is the controlled database; an empty one is not.
    writeControlled(QStringLiteral("controlled"));
    m_form->show();
    EXPECT_EQ(m_form->dbTypeGroup()->checkedId(), 0);
    m_form->reject();
    writeControlled(QString());
    m_form->show();
    EXPECT_EQ(m_form->dbTypeGroup()->checkedId(), 1);
    EXPECT_FALSE(edit("RemoteHostEdit")->isEnabled());
}

TEST_F(OptionsFormTest, OkWritesEveryKeyAsTyped) {
    QTemporaryDir reports;
    m_form->show();
    m_form->chooseFolder(reports.path());
    EXPECT_EQ(m_form->folderLabel()->text(), reports.path() + u'/');
    EXPECT_EQ(m_form->folderTree()->currentIndex().data().toString(),
              QDir(reports.path()).dirName());

    edit("RemoteHostEdit")->setText(QStringLiteral("127.0.0.1"));
    edit("RemotePortEdit")->setText(QStringLiteral("port"));  // not checked: stored as typed
    edit("UserNameEdit")->setText(QString());
    edit("PasswordEdit")->setText(QStringLiteral("pw"));
    edit("RemoteFileEdit")->setText(QStringLiteral("/outgoing/CARTVXDB.INI"));
    m_form->checkRemoteFile()->setChecked(true);
    m_form->frequencyGroup()->button(2)->click();
    m_form->dbTypeGroup()->button(1)->click();
    QTest::mouseClick(button("OKButton"), Qt::LeftButton);

    EXPECT_EQ(m_form->result(), QDialog::Accepted);
    EXPECT_EQ(stored(QStringLiteral("RemoteHost")), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(stored(QStringLiteral("RemotePort")), QStringLiteral("port"));
    EXPECT_EQ(stored(QStringLiteral("UserName")), QString());
    EXPECT_EQ(stored(QStringLiteral("Password")), QStringLiteral("pw"));
    EXPECT_EQ(stored(QStringLiteral("RemoteFile")), QStringLiteral("/outgoing/CARTVXDB.INI"));
    EXPECT_EQ(stored(QStringLiteral("CheckRemoteFile")), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("LocalFile")), m_home.filePath(QStringLiteral("quarixdb.ini")));
    EXPECT_EQ(stored(QStringLiteral("Frequency")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("DBType")), QStringLiteral("Uncontrolled"));
    EXPECT_EQ(stored(QStringLiteral("DBType"), QStringLiteral("CARTOVEX.INI")),
              QStringLiteral("Uncontrolled"));
    EXPECT_EQ(stored(QStringLiteral("RootDir")), reports.path() + u'/');
    EXPECT_EQ(m_form->openDialogFolder(), reports.path() + u'/');
    EXPECT_TRUE(m_engine->databases().UncontrolledMode());
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(OptionsFormTest, TheSecurityChoiceLoadsSavesAndEnablesWithTheFtpFields) {
    IniFile controlled(m_home.filePath(QStringLiteral("quarixdb.ini")));
    controlled.writeString(Section, QStringLiteral("FtpSecurity"), QStringLiteral("off"));
    controlled.writeString(Section, QStringLiteral("FtpCaFile"), QStringLiteral("/etc/ca.pem"));
    m_form->show();
    QComboBox* security = m_form->security();
    EXPECT_EQ(security->currentText(), QStringLiteral("Off"));
    EXPECT_EQ(edit("FtpCaFileEdit")->text(), QStringLiteral("/etc/ca.pem"));
    m_form->dbTypeGroup()->button(1)->click();
    EXPECT_FALSE(security->isEnabled());
    EXPECT_FALSE(edit("FtpCaFileEdit")->isEnabled());
    m_form->dbTypeGroup()->button(0)->click();
    EXPECT_TRUE(security->isEnabled());
    EXPECT_TRUE(edit("FtpCaFileEdit")->isEnabled());

    security->setCurrentIndex(security->findText(QStringLiteral("Required")));
    edit("FtpCaFileEdit")->setText(QString());
    QTest::mouseClick(button("OKButton"), Qt::LeftButton);
    EXPECT_EQ(stored(QStringLiteral("FtpSecurity")), QStringLiteral("Required"));
    EXPECT_EQ(stored(QStringLiteral("FtpCaFile")), QString());
    m_form->show();
    EXPECT_EQ(security->currentText(), QStringLiteral("Required"));
    QTest::mouseClick(button("DefaultFTPValuesButton"), Qt::LeftButton);
    EXPECT_EQ(security->currentText(), QStringLiteral("When available"));
}
