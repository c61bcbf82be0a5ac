#pragma once

#include "ui/recordingdialogs.h"

// The command line's dialogs: every message is recorded for the JSON output and printed to
// stderr prefixed with its kind; questions take the default answer (Yes with --yes).
class CliDialogs : public RecordingDialogs {
  public:
    void setEcho(bool echo) { m_echo = echo; }

  protected:
    void shown(const Message& message) override;

  private:
    bool m_echo = true;
};
