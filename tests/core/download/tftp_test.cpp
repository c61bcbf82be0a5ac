#include "ftptestserver.h"

#include "download/tftp.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>
#include <QStringList>
#include <QTemporaryDir>

namespace {

constexpr int Bound = 20000;

// Drives the component the way the download session does (log-in on protocol state 1, the
// listing on 2) and records every event as a line.
class Recorder {
  public:
    explicit Recorder(TFTP& ftp, const QString& remoteFile = QStringLiteral("/outgoing/db.ini")) {
        QObject::connect(&ftp, &TFTP::StateChanged, [this](int s) { add("state", s); });
        QObject::connect(&ftp, &TFTP::Busy, [this](bool b) { add("busy", b); });
        QObject::connect(&ftp, &TFTP::ProtocolStateChanged, [this, &ftp, remoteFile](int p) {
            add("protocol", p);
            if (p == 1) {
                ftp.LogIn(QStringLiteral("anonymous"), QStringLiteral("anonymous"));
            } else if (p == 2) {
                ftp.ListRemoteFile(remoteFile);
            }
        });
        QObject::connect(&ftp, &TFTP::ListItem, [this](const FtpListItem& item) {
            events << QStringLiteral("item %1 %2 %3").arg(item.Size).arg(item.Date, item.Name);
        });
        QObject::connect(&ftp, &TFTP::DocOutput, [this](qint64 n) { lastBytes = n; });
        QObject::connect(&ftp, &TFTP::Error, [this](int n, const QString& d) {
            events << QStringLiteral("error %1").arg(n);
            description = d;
        });
    }
    void add(const char* what, int value) {
        events << QString::fromLatin1(what) + u' ' + QString::number(value);
    }

    QStringList events;
    QString description;
    qint64 lastBytes = 0;
};

QByteArray content(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    }
    return bytes;
}

TEST(Tftp, SessionReportsEveryEventInOrderAndTransfersInBothModes) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    const QByteArray data = content(300000);
    server.addFile(QStringLiteral("outgoing/db.ini"), data);
    QTemporaryDir local;
    for (bool passive : {true, false}) {
        TFTP ftp;
        ftp.setPassiveMode(passive);
        Recorder r(ftp);
        ftp.Connect(QStringLiteral("127.0.0.1"), server.port());
        ASSERT_TRUE(ftp.waitForIdle(Bound));
        EXPECT_EQ(r.events, QStringList({"busy 1", "state 1", "state 2", "state 3", "state 4",
                                         "protocol 1", "busy 0", "busy 1", "protocol 2", "busy 0",
                                         "busy 1", "item 300000 Mar 14 2021 db.ini", "busy 0"}));
        EXPECT_EQ(ftp.State(), TFTP::Connected);
        const QString target = local.filePath(passive ? "p.ini" : "a.ini");
        ftp.SetBinaryMode(TFTP::BinaryTransfer);
        ftp.GetFile(QStringLiteral("/outgoing/db.ini"), target);
        ASSERT_TRUE(ftp.waitForIdle(Bound));  // a disconnect would end the transfer
        ftp.Disconnect();
        ASSERT_TRUE(ftp.waitForIdle(Bound));
        EXPECT_EQ(r.lastBytes, data.size());
        EXPECT_EQ(r.events.mid(13),
                  QStringList({"busy 1", "busy 0", "busy 1", "state 5", "state 6", "busy 0"}));
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), data) << (passive ? "passive" : "active");
    }
}

}  // namespace

namespace {

TEST(Tftp, SilentServerAndLostConnectionsEndWithErrorsAndDropTheConnection) {
    FtpTestServer silent(QStringLiteral("silent"));
    ASSERT_TRUE(silent.started());
    TFTP ftp;
    ftp.setTimeouts({2000, 500});
    Recorder r(ftp);
    ftp.Connect(QStringLiteral("127.0.0.1"), silent.port());
    ASSERT_TRUE(ftp.waitForIdle(Bound));
    EXPECT_EQ(r.events,
              QStringList({"busy 1", "state 1", "state 2", "state 3", "error 1005", "busy 0"}));
    EXPECT_EQ(ftp.State(), 0);

    // Aborted while waiting for the greeting: no error is reported.
    r.events.clear();
    ftp.setTimeouts({2000, 60000});
    ftp.Connect(QStringLiteral("127.0.0.1"), silent.port());
    const QDeadlineTimer deadline(Bound);
    while (!r.events.contains("state 3") && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ftp.Abort();
    ASSERT_TRUE(ftp.waitForIdle(Bound));
    EXPECT_EQ(r.events.filter("error"), QStringList());

    // Operations without a connection, and a port that is no port.
    r.events.clear();
    ftp.LogIn(QStringLiteral("a"), QStringLiteral("b"));
    ftp.Connect(QStringLiteral("127.0.0.1"), QStringLiteral("21x"));
    ASSERT_TRUE(ftp.waitForIdle(Bound));
    EXPECT_EQ(r.events.filter("error"), QStringList({"error 1003", "error 2003"}));
}

TEST(Tftp, ShortTransferAndMissingFile) {
    FtpTestServer server(QStringLiteral("halfway"));
    ASSERT_TRUE(server.started());
    server.addFile(QStringLiteral("outgoing/db.ini"), content(100000));
    QTemporaryDir local;
    TFTP ftp;
    Recorder r(ftp, QStringLiteral("/outgoing/missing.ini"));
    ftp.Connect(QStringLiteral("127.0.0.1"), server.port());
    ASSERT_TRUE(ftp.waitForIdle(Bound));
    // The listing failed, but the connection is still there.
    EXPECT_EQ(r.events.filter("error"), QStringList({"error 1002"}));
    EXPECT_EQ(r.description, "Remote file not found");
    EXPECT_EQ(ftp.State(), TFTP::Connected);
    ftp.SetBinaryMode(TFTP::BinaryTransfer);
    ftp.GetFile(QStringLiteral("/outgoing/db.ini"), local.filePath("db.ini"));
    ASSERT_TRUE(ftp.waitForIdle(Bound));
    EXPECT_EQ(r.events.filter("error"), QStringList({"error 1002", "error 1005"}));
    EXPECT_EQ(r.lastBytes, 50000);
    EXPECT_EQ(ftp.State(), 0);
}

TEST(FtpListing, ReadsUnixAndDosLinesAndSkipsOthers) {
    const QList<FtpListItem> items = ftplisting::parse(
        "-rw-r--r--   1 owner    group      4096 Mar  4 09:30 cart vxdb.ini\r\n"
        "total 8\r\n"
        "-rw-r--r-- 1 ftp 12 Dec 31  1999 old.ini\n"
        "03-14-21  09:30AM              1234 dos.ini\r\n");
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].Size, 4096);
    EXPECT_EQ(items[0].Date, "Mar 4 09:30");
    EXPECT_EQ(items[0].Name, "cart vxdb.ini");
    EXPECT_EQ(items[1].Size, 12);
    EXPECT_EQ(items[1].Date, "Dec 31 1999");
    EXPECT_EQ(items[2].Size, 1234);
    EXPECT_EQ(items[2].Date, "03-14-21 09:30AM");
}

}  // namespace
