#pragma once

#include "ftptestserver.h"

#include "engine/engine.h"
#include "gui/windows/ftpstatusform.h"
#include "gui/windows/ftpwizardform.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A fresh data directory, the engine as the main window creates it, and the wizard with its
// status window over the engine's download session. Panel 0 texts are recorded in order.
class WizardTest : public ::testing::Test {
  protected:
    static constexpr int Bound = 20000;

    void SetUp() override;
    void TearDown() override;

    // The settings an Options window OK would store for this server.
    void pointAt(const QString& port, const QString& remoteFile = {});
    void clickNext();
    // Waits until the transfer component has ended every operation and delivered its events.
    bool waitIdle();
    QString preference(const QString& key) const;

    DownloadComponents& download() { return m_engine->download(); }
    DownloadSession& session() { return download().session; }

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<FtpStatusForm> m_status;
    std::unique_ptr<FtpWizardForm> m_wizard;
    QStringList m_panel0;
    int m_syncCalls = 0;
};
