#pragma once

#include "download/downloadsession.h"
#include "download/downloadwizard.h"
#include "download/optionsstate.h"

#include <functional>

class Progress;

// The download subsystem as the main window owns it: the Options window's state, the download
// session with its transfer component, and the wizard that drives the session.
struct DownloadComponents {
    DownloadComponents(DatabaseSelection& databases, UserDialogs& dialogs, Progress& progress,
                       RecentFileList& recentFiles, std::function<void()> synchronise)
        : options(databases),
          session(options, databases, dialogs, recentFiles),
          wizard(session, options, dialogs, progress, std::move(synchronise)) {}

    OptionsState options;
    DownloadSession session;
    DownloadWizard wizard;
};
