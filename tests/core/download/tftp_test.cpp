#include "ftptestserver.h"

#include "download/tftp.h"

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
