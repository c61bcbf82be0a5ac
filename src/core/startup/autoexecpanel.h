#pragma once

#include <QString>

// The switch on the DXS Files page between the server's SYS:SYSTEM\AUTOEXEC.DXS and the copy
// on the DOS partition: which one shows, the panel's caption and its label's invitation.
class AutoexecPanel {
  public:
    bool dosCopyShown() const { return m_dosShown; }
    QString caption() const;
    QString changeLabel() const;
    void toggle() { m_dosShown = !m_dosShown; }

  private:
    bool m_dosShown = false;
};
