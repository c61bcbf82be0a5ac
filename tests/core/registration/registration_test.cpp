// The registration of the transfer control's libraries over a scripted loader: which entry
// point runs, when the library is released, and the message of each failure.
#include "download/registration.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Libraries whose entry points return scripted results and log every call and release.
class ScriptedLoader : public ControlLibraryLoader {
  public:
    bool loadable = true;
    QStringList exported{"DllRegisterServer", "DllUnregisterServer"};
    int result = 0;
    QStringList log;

    std::unique_ptr<ControlLibrary> load(const QString& path) override {
        log << "load " + path.section(u'/', -1);
        if (!loadable) {
            return nullptr;
        }
        return std::make_unique<Library>(*this);
    }

  private:
    class Library : public ControlLibrary {
      public:
        explicit Library(ScriptedLoader& loader) : m_loader(loader) {}
        ~Library() override { m_loader.log << "unload"; }
        EntryPoint resolve(const char* name) override {
            if (!m_loader.exported.contains(QLatin1String(name))) {
                return {};
            }
            return [this, entry = QString::fromLatin1(name)] {
                m_loader.log << entry;
                return m_loader.result;
            };
        }

      private:
        ScriptedLoader& m_loader;
    };
};

class RegistrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_system.isValid());
        for (const char* name : {"FTPCT.OCX", "NMOCOD.DLL"}) {
            QFile file(m_system.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    QString system() const { return m_system.path() + u'/'; }
    QStringList messages() {
        QStringList shown;
        for (const RecordingDialogs::Message& message : m_dialogs.messages()) {
            shown << messageKindName(message.kind) + ": " + message.text;
        }
        m_dialogs.clear();
        return shown;
    }

    QTemporaryDir m_system;
    RecordingDialogs m_dialogs;
    ScriptedLoader m_loader;
    TransferControlRegistration m_registration{m_dialogs, m_loader, [this] { return system(); }};
};

}  // namespace

TEST_F(RegistrationTest, ChosenEntryPointRunsAndTheLibraryIsReleasedAfterIt) {
    EXPECT_EQ(m_registration.path(), system() + "FTPCT.OCX");
    m_registration.DoItBtnClick();
    EXPECT_EQ(m_loader.log, QStringList({"load FTPCT.OCX", "DllRegisterServer", "unload"}));
    EXPECT_TRUE(messages().isEmpty());

    m_loader.log.clear();
    m_loader.result = -2147467259;  // a failure code with the high bit set is not success
    m_registration.RegOptRG = TransferControlRegistration::Unregister;
    m_registration.OCXDLLRG = TransferControlRegistration::NmocodDll;
    m_registration.DoItBtnClick();
    EXPECT_EQ(m_loader.log, QStringList({"load NMOCOD.DLL", "DllUnregisterServer", "unload"}));
    EXPECT_EQ(messages(), QStringList{"information: Error with Unregister operation on " +
                                      system() + "NMOCOD.DLL"});
}

TEST_F(RegistrationTest, EachFailureStopsWithItsMessage) {
    QFile::remove(system() + "FTPCT.OCX");
    m_registration.DoItBtnClick();
    EXPECT_EQ(messages(), QStringList{"information: File \"" + system() + "FTPCT.OCX\" not found"});
    EXPECT_TRUE(m_loader.log.isEmpty());

    m_registration.OCXDLLRG = TransferControlRegistration::NmocodDll;
    m_loader.exported = {"DllRegisterServer"};
    m_registration.DoItBtnClick();
    EXPECT_EQ(messages(), QStringList{"error: Failed to load procs in " + system() + "NMOCOD.DLL"});
    // Neither entry point runs when one is missing.
    EXPECT_EQ(m_loader.log, QStringList({"load NMOCOD.DLL", "unload"}));

    m_loader.loadable = false;
    m_registration.DoItBtnClick();
    EXPECT_EQ(messages(),
              QStringList{"error: Failed to load OCX control: " + system() + "NMOCOD.DLL"});

    // The first-run registration says nothing about any of these.
    EXPECT_FALSE(m_registration.registerIfPresent("FTPCT.OCX"));
    EXPECT_FALSE(m_registration.registerIfPresent("NMOCOD.DLL"));
    EXPECT_TRUE(messages().isEmpty());
}
