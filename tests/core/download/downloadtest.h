#pragma once

#include "ftptestserver.h"

#include "engine/engine.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <memory>

// A fresh data directory with the engine started as the program starts it, and the download's
// time-outs short enough that a silent server ends a test quickly.
class DownloadTest : public ::testing::Test {
  protected:
    static constexpr int Bound = 20000;

    void SetUp() override;
    void TearDown() override;

    QString controlledPath() const;
    QByteArray controlledBytes() const;
    QString preference(const QString& key) const;
    // The settings an Options window OK would store for this server.
    void pointAt(const FtpTestServer& server, const QString& remoteFile = {});
    // Clicks "Next  >" until the wizard closes, waiting for the component after each click;
    // a click refused because the session is not ready is followed by Cancel.
    void runWizard(int maxClicks = 8);

    DownloadComponents& download() { return m_engine->download(); }
    DownloadSession& session() { return download().session; }

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
    int m_syncCalls = 0;

  private:
    QByteArray m_savedHome;
};
