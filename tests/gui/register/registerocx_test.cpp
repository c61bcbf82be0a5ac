// The Register OCX window on real shared libraries in the system directory: the four failures
// with their messages, a successful registration, and the silent first-run registration.
#include "gui/windows/registerocxform.h"
#include "settings/datadirectory.h"
#include "startup/firstrun.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class RegisterOcxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        DataDirectory::setOverride(m_home.path());
        m_system = DataDirectory::systemDirectory();
        ASSERT_FALSE(m_system.isEmpty());
        qputenv("CARTOVEX_REG_LOG", m_home.filePath("calls.log").toLocal8Bit());
    }
    void TearDown() override {
        qunsetenv("CARTOVEX_REG_LOG");
        DataDirectory::setOverride(QString());
    }

    void install(const char* library, const QString& name) {
        ASSERT_TRUE(QFile::copy(QString::fromLocal8Bit(library), m_system + name));
    }
    QStringList calls() const {
        QFile log(m_home.filePath("calls.log"));
        if (!log.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromLatin1(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList doIt(RegisterOcxForm& form, int option, int file) {
        QTest::mouseClick(form.optionButton(option), Qt::LeftButton);
        QTest::mouseClick(form.fileButton(file), Qt::LeftButton);
        QTest::mouseClick(form.doItButton(), Qt::LeftButton);
        QStringList shown;
        for (const RecordingDialogs::Message& message : m_dialogs.messages()) {
            shown << messageKindName(message.kind) + ": " + message.text;
        }
        m_dialogs.clear();
        return shown;
    }

    QTemporaryDir m_home;
    QString m_system;
    RecordingDialogs m_dialogs;
};

}  // namespace

TEST_F(RegisterOcxTest, WindowShowsItsGroupsWithTheFirstItemsChosen) {
    RegisterOcxForm form(m_dialogs);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Register OCX"));
    QStringList groups;
    for (const QGroupBox* group : form.findChildren<QGroupBox*>()) {
        groups << group->title();
    }
    EXPECT_EQ(groups, QStringList({"Reg Option", "OCX or DLL"}));
    EXPECT_EQ(form.optionButton(0)->text(), QStringLiteral("Register"));
    EXPECT_EQ(form.optionButton(1)->text(), QStringLiteral("Unregister"));
    EXPECT_EQ(form.fileButton(0)->text(), QStringLiteral("FTPCT.OCX"));
    EXPECT_EQ(form.fileButton(1)->text(), QStringLiteral("NMOCOD.DLL"));
    EXPECT_TRUE(form.optionButton(0)->isChecked());
    EXPECT_TRUE(form.fileButton(0)->isChecked());
    EXPECT_EQ(form.doItButton()->text(), QStringLiteral("Do It!"));
}

TEST_F(RegisterOcxTest, EntryPointResultDecidesTheMessage) {
    install(REG_FIXTURE_CONTROL, "NMOCOD.DLL");
    RegisterOcxForm form(m_dialogs);
    // Only the chosen file is registered; FTPCT.OCX is not there.
    EXPECT_TRUE(doIt(form, 0, 1).isEmpty());
    EXPECT_EQ(calls(), QStringList{"DllRegisterServer"});
    EXPECT_EQ(doIt(form, 1, 1), QStringList{"information: Error with Unregister operation on " +
                                            m_system + "NMOCOD.DLL"});
    EXPECT_EQ(calls(), QStringList({"DllRegisterServer", "DllUnregisterServer"}));
    EXPECT_EQ(doIt(form, 0, 0),
              QStringList{"information: File \"" + m_system + "FTPCT.OCX\" not found"});
    EXPECT_EQ(calls().size(), 2);
}

TEST_F(RegisterOcxTest, FileThatIsNoControlLibraryIsAnError) {
    install(REG_FIXTURE_REGISTER_ONLY, "FTPCT.OCX");
    {
        QFile text(m_system + "NMOCOD.DLL");
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("not a library\r\n");
    }
    RegisterOcxForm form(m_dialogs);
    EXPECT_EQ(doIt(form, 0, 0),
              QStringList{"error: Failed to load procs in " + m_system + "FTPCT.OCX"});
    EXPECT_EQ(doIt(form, 0, 1),
              QStringList{"error: Failed to load OCX control: " + m_system + "NMOCOD.DLL"});
    // The window stays usable after an error.
    EXPECT_TRUE(form.doItButton()->isEnabled());
}

TEST_F(RegisterOcxTest, FirstRunRegistersSilentlyWhatIsThere) {
    install(REG_FIXTURE_CONTROL, "FTPCT.OCX");
    RegisterOcxForm form(m_dialogs);
    EXPECT_FALSE(form.registration().registerIfPresent("NMOCOD.DLL"));
    EXPECT_TRUE(form.registration().registerIfPresent("FTPCT.OCX"));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(calls(), QStringList{"DllRegisterServer"});
    // The first-run window's steps go the same way.
    FirstRun::registerIfPresent("NMOCOD.DLL");
    FirstRun::registerIfPresent("FTPCT.OCX");
    EXPECT_EQ(calls(), QStringList({"DllRegisterServer", "DllRegisterServer"}));
}
