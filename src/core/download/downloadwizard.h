#pragma once

#include <functional>

class DownloadSession;
class OptionsState;
class Progress;
class UserDialogs;
struct WizardView;

// The download wizard ("Download Quarix Database"): four clicks of "Next  >" walk through
// connect, binary mode, get file and disconnect, each an operation of the download session;
// the fifth ("Exit") closes the wizard and offers to synchronise the custom entries. Its view
// data is the session's views().wizard. The remote-file check runs once per activation.
class DownloadWizard {
  public:
    DownloadWizard(DownloadSession& session, OptionsState& options, UserDialogs& dialogs,
                   Progress& progress, std::function<void()> synchronise);

    WizardView& view();

    // Before each opening: step 0, the boxes cleared, the "Database Info" values filled.
    void Reset();
    void FormActivate();
    // Reset, shown, activated.
    void open();

    void NextBtnClick();
    // Ends the session (post-download steps included after a complete transfer) and closes.
    void CancelBtnClick();
    // The "Passive Mode" box clicked into the state `ticked`.
    void chkPassiveModeClick(bool ticked);

  private:
    // True when the click may run its step; false when it only asked about the remote file.
    bool remoteFileCheck();
    void runStep();
    void close();

    DownloadSession& m_session;
    OptionsState& m_options;
    UserDialogs& m_dialogs;
    Progress& m_progress;
    std::function<void()> m_synchronise;
    bool m_remoteFileChecked = false;
};
