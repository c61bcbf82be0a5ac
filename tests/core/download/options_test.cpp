#include "downloadtest.h"

#include "download/downloadschedule.h"
#include "ini/inifile.h"
#include "settings/datadirectory.h"
#include "settings/daycount.h"
#include "settings/lastdbdownload.h"
#include "settings/preferences.h"

namespace {

using OptionsTest = DownloadTest;

TEST_F(OptionsTest, OkStoresEveryFieldAndActivationReadsThemBack) {
    OptionsState& options = download().options;
    options.FormActivate(QStringLiteral("C:\\"));
    EXPECT_EQ(options.fields.RemoteHost, "ftp.quarix.example");
    EXPECT_EQ(options.fields.Password, "anonymous");
    EXPECT_EQ(options.fields.LocalFile, controlledPath());
    EXPECT_TRUE(options.ftpEnabled());
    EXPECT_EQ(options.fields.Security, FtpSecurity::WhenAvailable);
    options.fields = {QStringLiteral("h"),   QStringLiteral("not a port"),
                      QStringLiteral("u"),   QStringLiteral("p"),
                      QStringLiteral("f"),   false,
                      QStringLiteral("/l"),  1,
                      FtpSecurity::Required, QStringLiteral("/ca.pem")};
    options.RootDir = QStringLiteral("/reports");
    options.DBTypeRadioGrpClick(1);
    EXPECT_FALSE(options.ftpEnabled());
    options.OKButtonClick();
    EXPECT_TRUE(m_engine->databases().UncontrolledMode());
    EXPECT_EQ(IniFile(DataDirectory::uncontrolledDatabasePath())
                  .readString(QLatin1String(Preferences::kSection), "DBType", ""),
              "Uncontrolled");
    EXPECT_EQ(preference("RootDir"), "/reports");

    options.FormActivate(QStringLiteral("/reports"));
    const DownloadSettings& f = options.fields;
    EXPECT_EQ(QStringList(
                  {f.RemoteHost, f.RemotePort, f.UserName, f.Password, f.RemoteFile, f.LocalFile}),
              QStringList({"h", "not a port", "u", "p", "f", "/l"}));
    EXPECT_FALSE(f.CheckRemoteFile);
    EXPECT_EQ(f.Frequency, 1);
    EXPECT_EQ(f.Security, FtpSecurity::Required);
    EXPECT_EQ(preference("FtpSecurity"), "Required");
    EXPECT_EQ(f.CaFile, "/ca.pem");
    EXPECT_EQ(options.frequencyCaption(), "Monthly");
    EXPECT_EQ(options.DBTypeRadioGrp, 1);
}

TEST_F(OptionsTest, DefaultValuesThenCancelWritesNothing) {
    OptionsState& options = download().options;
    options.FormActivate(QStringLiteral("C:\\"));
    options.fields.RemoteHost = QStringLiteral("mine.example");
    options.fields.Frequency = 2;
    options.OKButtonClick();
    const QByteArray before = controlledBytes();
    options.FormActivate(QStringLiteral("C:\\"));
    options.DefaultFTPValuesButtonClick();
    EXPECT_EQ(options.fields.RemoteHost, "ftp.quarix.example");
    EXPECT_EQ(options.fields.Frequency, 0);
    options.CancelButtonClick();
    EXPECT_EQ(controlledBytes(), before);
}

TEST_F(OptionsTest, StoredTypeAndFrequencyAsTheWindowShowsThem) {
    OptionsState& options = download().options;
    IniFile file(controlledPath());
    const QLatin1String section(Preferences::kSection);
    for (const auto& [type, index] : {std::pair{"controlled", 0}, {"Uncontrolled", 1}, {"", 1}}) {
        file.writeString(section, "DBType", QLatin1String(type));
        options.FormActivate(QStringLiteral("C:\\"));
        EXPECT_EQ(options.DBTypeRadioGrp, index) << type;
    }
    for (const auto& [stored, shown] : {std::pair{"7", 2}, {"-3", -1}, {"0x1", 1}}) {
        file.writeString(section, "Frequency", QLatin1String(stored));
        options.loadDownloadSettings();
        EXPECT_EQ(options.fields.Frequency, shown) << stored;
    }
}

TEST(DownloadSchedule, DueAfterSevenOrThirtyDaysNeverWithTheMondayReminder) {
    const QDate monday(2024, 3, 11);
    const DownloadSchedule schedule([monday] { return monday; });
    const double today = daycount::fromDate(monday);
    EXPECT_FALSE(schedule.isDue(0, today - 6));
    EXPECT_TRUE(schedule.isDue(0, today - 7));
    EXPECT_FALSE(schedule.isDue(0, today - 6.5));  // a stored time of day counts
    EXPECT_FALSE(schedule.isDue(1, today - 29));
    EXPECT_TRUE(schedule.isDue(1, today - 30));
    EXPECT_FALSE(schedule.isDue(2, 0));
    EXPECT_FALSE(schedule.isDue(-1, 0));
    EXPECT_TRUE(schedule.isDue(0, LastDbDownload::kMissingDays));
    EXPECT_TRUE(schedule.showsReminder(2));
    EXPECT_FALSE(schedule.showsReminder(0));
    EXPECT_FALSE(DownloadSchedule([monday] { return monday.addDays(1); }).showsReminder(2));
}

TEST_F(DownloadTest, StartUpCheckShowsTheReminderAndReadsTheLastDownload) {
    const QDate monday(2024, 3, 11);
    LastDbDownload::writeDays(daycount::fromDate(monday) - 7);
    EXPECT_TRUE(DownloadSchedule([monday] { return monday; }).check(0, m_dialogs));
    EXPECT_FALSE(DownloadSchedule([monday] { return monday; }).check(2, m_dialogs));
    EXPECT_EQ(m_dialogs.texts(), QStringList{DownloadSchedule::NeverReminder});
    EXPECT_TRUE(
        DownloadSchedule::NeverReminder.endsWith("your Download Frequency is set to NEVER."));
}

TEST_F(DownloadTest, WizardAsksAboutTheRemoteFileOncePerActivationAndAboutPassiveMode) {
    OptionsState& options = download().options;
    options.FormActivate(QStringLiteral("C:\\"));
    options.fields.RemoteFile = QStringLiteral("/outgoing/other.ini");
    options.OKButtonClick();
    DownloadWizard& wizard = download().wizard;
    for (int opening = 0; opening < 2; ++opening) {
        wizard.open();
        EXPECT_EQ(wizard.view().OldDatabaseDate, " - ");
        wizard.NextBtnClick();  // asks, answered No, runs no step
        EXPECT_EQ(session().WizardStep(), 0);
        EXPECT_TRUE(session().FTP1().isIdle());
        wizard.CancelBtnClick();
    }
    EXPECT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages().at(0).kind, MessageKind::Warning);
    EXPECT_EQ(preference("RemoteFile"), "/outgoing/other.ini");
    wizard.open();
    m_dialogs.queueAnswer(Answer::Yes);
    wizard.NextBtnClick();
    EXPECT_EQ(preference("RemoteFile"), "/outgoing/cartvxdb.ini");
    EXPECT_EQ(options.fields.RemoteFile, "/outgoing/cartvxdb.ini");

    m_dialogs.queueAnswer(Answer::No);
    wizard.chkPassiveModeClick(false);
    EXPECT_FALSE(session().FTP1().PassiveMode());
    wizard.open();
    EXPECT_FALSE(wizard.view().chkPassiveMode);
    m_dialogs.queueAnswer(Answer::Yes);
    wizard.chkPassiveModeClick(false);
    EXPECT_TRUE(session().FTP1().PassiveMode());
    EXPECT_TRUE(wizard.view().chkPassiveMode);
}

TEST_F(DownloadTest, ExitOffersTheSynchronisationEvenWithoutATransfer) {
    DownloadWizard& wizard = download().wizard;
    wizard.open();
    session().setWizardStep(4);
    m_dialogs.queueAnswer(Answer::Yes);
    wizard.NextBtnClick();
    EXPECT_FALSE(wizard.view().visible);
    EXPECT_EQ(m_dialogs.texts(),
              QStringList{"Sync Custom Database with Quarix-controlled Database?"});
    EXPECT_EQ(m_syncCalls, 1);
}

}  // namespace
