#include "wizardtest.h"

#include "download/downloadmessages.h"
#include "gui/windows/ftpwizardfirewallpage.h"
#include "settings/datadirectory.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

const QString DefaultFile = QStringLiteral("/outgoing/cartvxdb.ini");

QByteArray publishedDatabase() {
    QByteArray text = "[Core DXPs]\r\n4.11:CLIB.DXP=4.11b\r\n\r\n[Preferences]\r\nDBFormat=1.0\r\n";
    while (text.size() < 150000) {
        text += "; a line that makes the transfer take several chunks\r\n";
    }
    return text;
}

// What the status window showed when its button turned to "Ok", read just before the click
// that closes it.
struct StatusSeen {
    QString title;
    QStringList values;
    QString button;
    int barValue = -1;
    int barMaximum = -1;
    bool besideWizard = false;
};

// A click on a check box's indicator, not on the empty room a layout gives it.
void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

}  // namespace

TEST_F(WizardTest, AFullDownloadTicksEachStepAndAsksToSynchroniseAtExit) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    const QByteArray published = publishedDatabase();
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), published);
    pointAt(server.port());
    m_wizard->show();

    EXPECT_EQ(m_wizard->windowTitle(), QStringLiteral("Download Quarix Database"));
    EXPECT_EQ(m_wizard->nextButton()->text(), QStringLiteral("Next  >"));
    EXPECT_FALSE(m_wizard->backButton()->isEnabled());
    EXPECT_EQ(m_wizard->infoValue(0)->text(), QStringLiteral(" - Weekly"));
    EXPECT_EQ(m_wizard->infoValue(1)->text(),
              QStringLiteral(" - ") + QLocale().toString(QDate(1968, 6, 11), QLocale::ShortFormat));
    EXPECT_EQ(m_wizard->infoValue(2)->text(), QStringLiteral(" - "));
    for (int step = 0; step < 4; ++step) {
        EXPECT_FALSE(m_wizard->statusBox(step)->isChecked() ||
                     m_wizard->statusBox(step)->isEnabled());
    }
    EXPECT_TRUE(m_wizard->passiveMode()->isChecked());

    clickNext();  // connect; log-in and listing follow by themselves
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(m_wizard->statusBox(0)->isChecked() && m_wizard->statusBox(0)->isEnabled());
    EXPECT_EQ(m_wizard->hintLabel()->text(), QStringLiteral("Click Next to continue"));
    EXPECT_EQ(m_wizard->infoValue(2)->text(), QStringLiteral(" - Mar 14 2021"));
    EXPECT_TRUE(m_wizard->nextButton()->isEnabled());
    EXPECT_EQ(m_panel0.mid(0, 2),
              QStringList({QStringLiteral("FTP Busy"), QStringLiteral("Connecting")}));
    EXPECT_TRUE(m_panel0.contains(QStringLiteral("Connected")));
    EXPECT_EQ(m_panel0.last(), QString());
    // A click on a done step leaves it ticked.
    clickBox(m_wizard->statusBox(0));
    EXPECT_TRUE(m_wizard->statusBox(0)->isChecked());

    clickNext();  // binary mode
    EXPECT_TRUE(m_wizard->statusBox(1)->isChecked() && m_wizard->statusBox(1)->isEnabled());
    ASSERT_TRUE(waitIdle());

    StatusSeen seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!m_status->isVisible() || m_status->button()->text() != QStringLiteral("Ok")) {
            return;
        }
        seen.title = m_status->windowTitle();
        for (const QLabel* label : m_status->findChildren<QLabel*>()) {
            seen.values << label->text();
        }
        seen.button = m_status->button()->text();
        seen.barValue = m_status->progressBar()->value();
        seen.barMaximum = m_status->progressBar()->maximum();
        seen.besideWizard = !m_status->frameGeometry().intersects(m_wizard->frameGeometry());
        m_status->button()->click();
    });
    closer.start(10);
    m_wizard->move(0, 0);  // the status window then has room below the wizard
    clickNext();           // get file: returns when the status window is closed
    closer.stop();
    const QString size = QString::number(published.size());
    EXPECT_EQ(seen.title, QStringLiteral("FTP Download Status"));
    EXPECT_TRUE(seen.values.contains(QStringLiteral("127.0.0.1")));
    EXPECT_TRUE(seen.values.contains(DefaultFile));
    EXPECT_TRUE(seen.values.contains(DataDirectory::controlledDatabasePath()));
    EXPECT_TRUE(seen.values.contains(size + QStringLiteral(" of ") + size +
                                     QStringLiteral(" bytes received")));
    EXPECT_EQ(seen.barMaximum, published.size());
    EXPECT_EQ(seen.barValue, published.size());
    EXPECT_TRUE(seen.besideWizard);
    EXPECT_FALSE(m_status->isVisible());
    EXPECT_TRUE(m_wizard->statusBox(2)->isChecked() && m_wizard->statusBox(2)->isEnabled());
    ASSERT_TRUE(waitIdle());

    clickNext();  // disconnect: the new database is put in place and the settings written back
    EXPECT_EQ(m_wizard->nextButton()->text(), QStringLiteral("Exit"));
    EXPECT_EQ(m_wizard->hintLabel()->text(), QStringLiteral("Click Exit to exit"));
    EXPECT_TRUE(m_wizard->statusBox(3)->isChecked() && m_wizard->statusBox(3)->isEnabled());
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(m_panel0.last(), QString());
    EXPECT_TRUE(m_panel0.contains(QStringLiteral("Disconnected")));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    m_dialogs.queueAnswer(Answer::Yes);
    clickNext();  // exit
    EXPECT_FALSE(m_wizard->isVisible());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Confirmation);
    EXPECT_EQ(m_dialogs.messages().first().text, downloadmessages::syncQuestion());
    EXPECT_EQ(m_syncCalls, 1);
    EXPECT_EQ(preference(QStringLiteral("LastUpdateType")), QStringLiteral("Automatic"));
    EXPECT_EQ(preference(QStringLiteral("RemotePort")), server.port());
    QFile database(DataDirectory::controlledDatabasePath());
    ASSERT_TRUE(database.open(QIODevice::ReadOnly));
    EXPECT_TRUE(database.readAll().startsWith(published));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Opened again, the wizard starts over with the new dates.
    m_wizard->show();
    EXPECT_EQ(m_wizard->nextButton()->text(), QStringLiteral("Next  >"));
    EXPECT_FALSE(m_wizard->statusBox(3)->isChecked());
    EXPECT_EQ(m_wizard->infoValue(3)->text(), QStringLiteral(" - Mar 14 2021"));
    EXPECT_EQ(
        m_wizard->infoValue(1)->text(),
        QStringLiteral(" - ") + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QTest::mouseClick(m_wizard->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(m_wizard->isVisible());
}

TEST_F(WizardTest, ARefusedConnectionIsReportedAndNextRefusesUntilTheSessionIsReady) {
    const QString port = closedPort();
    pointAt(port);
    m_wizard->show();
    clickNext();
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Error);
    EXPECT_TRUE(m_dialogs.messages().first().text.startsWith(
        QStringLiteral("A FTP Error has occured: \r\n1003: ")));
    EXPECT_FALSE(m_wizard->statusBox(0)->isChecked());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    m_dialogs.clear();
    clickNext();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().text, downloadmessages::noConnection());
    EXPECT_TRUE(m_wizard->isVisible());
    EXPECT_TRUE(m_wizard->nextButton()->isEnabled());
    EXPECT_EQ(m_wizard->nextButton()->text(), QStringLiteral("Next  >"));

    // Escape ends the session and closes the wizard; the sync question is only for Exit.
    QTest::keyClick(m_wizard.get(), Qt::Key_Escape);
    EXPECT_FALSE(m_wizard->isVisible());
    EXPECT_EQ(m_dialogs.messages().size(), 1);
}

TEST_F(WizardTest, AMissingRemoteFileGivesTheErrorThenTheNotFoundRefusal) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    pointAt(server.port());
    m_wizard->show();
    clickNext();
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_TRUE(m_dialogs.messages().first().text.startsWith(
        QStringLiteral("A FTP Error has occured: \r\n1002: ")));
    m_dialogs.clear();
    clickNext();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().text,
              downloadmessages::notFound(QStringLiteral("127.0.0.1"), DefaultFile));
    QTest::mouseClick(m_wizard->cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(waitIdle());
}

TEST_F(WizardTest, ANonDefaultRemoteFileIsQuestionedOncePerOpening) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    const QString configured = QStringLiteral("/outgoing/CARTVXDB.INI");
    server.addFile(configured.mid(1), "[Core DXPs]\r\n");
    pointAt(server.port(), configured);
    m_wizard->show();
    m_dialogs.queueAnswer(Answer::No);
    clickNext();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Warning);
    EXPECT_EQ(m_dialogs.messages().first().text, downloadmessages::remoteFileQuestion(configured));
    EXPECT_TRUE(m_panel0.isEmpty());  // no step ran
    EXPECT_FALSE(m_wizard->statusBox(0)->isChecked());

    clickNext();  // asks no more: connects
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(m_wizard->statusBox(0)->isChecked());
    EXPECT_EQ(m_dialogs.messages().size(), 1);
    QTest::mouseClick(m_wizard->cancelButton(), Qt::LeftButton);
    ASSERT_TRUE(waitIdle());
    EXPECT_FALSE(m_wizard->isVisible());

    // Opened again, the first click asks again; Yes stores the default remote file.
    m_wizard->show();
    EXPECT_FALSE(m_wizard->statusBox(0)->isChecked());
    m_dialogs.queueAnswer(Answer::Yes);
    clickNext();
    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages().last().text, downloadmessages::remoteFileQuestion(configured));
    EXPECT_EQ(preference(QStringLiteral("RemoteFile")), DefaultFile);
    EXPECT_EQ(download().options.fields.RemoteFile, DefaultFile);
    EXPECT_FALSE(m_wizard->statusBox(0)->isChecked());
}

TEST_F(WizardTest, PassiveModeQuestionAndTheHiddenFirewallPage) {
    m_wizard->show();
    m_dialogs.queueAnswer(Answer::Yes);
    clickBox(m_wizard->passiveMode());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().text, downloadmessages::passiveModeQuestion());
    EXPECT_TRUE(m_wizard->passiveMode()->isChecked());
    EXPECT_TRUE(session().FTP1().PassiveMode());

    m_dialogs.queueAnswer(Answer::No);
    clickBox(m_wizard->passiveMode());
    EXPECT_FALSE(m_wizard->passiveMode()->isChecked());
    EXPECT_FALSE(session().FTP1().PassiveMode());
    m_wizard->reject();
    m_wizard->show();  // kept for the rest of the run
    EXPECT_FALSE(m_wizard->passiveMode()->isChecked());
    clickBox(m_wizard->passiveMode());
    EXPECT_TRUE(session().FTP1().PassiveMode());
    EXPECT_EQ(m_dialogs.messages().size(), 2);

    EXPECT_FALSE(m_wizard->pages()->isTabVisible(1));
    FtpWizardFirewallPage* firewall = m_wizard->firewallPage();
    EXPECT_FALSE(firewall->useFirewall()->isEnabled());
    EXPECT_FALSE(firewall->field(FirewallPage::HostName)->isEnabled());
    EXPECT_TRUE(firewall->requiredMark(FirewallPage::HostName)->text().isEmpty());
    firewall->useFirewallClicked(true);
    EXPECT_TRUE(firewall->field(FirewallPage::HostName)->isEnabled());
    EXPECT_TRUE(firewall->typeGroup()->isEnabled());
    EXPECT_EQ(firewall->requiredMark(FirewallPage::UserID)->text(), QStringLiteral("Yes"));
    firewall->firewallTypeClicked(3);
    EXPECT_EQ(firewall->requiredMark(FirewallPage::Password)->text(), QStringLiteral("No"));
    EXPECT_EQ(firewall->requiredMark(FirewallPage::Port)->text(), QStringLiteral("Yes"));
}
