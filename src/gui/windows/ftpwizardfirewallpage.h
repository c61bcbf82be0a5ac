#pragma once

#include "download/firewallpage.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// The download wizard's "Firewall" page, which the wizard never shows: host name, user ID,
// password and port with their "Required" marks, "Use Firewall" (disabled) and the firewall
// type. It renders the engine's FirewallPage.
class FtpWizardFirewallPage : public QWidget {
    Q_OBJECT
  public:
    explicit FtpWizardFirewallPage(QWidget* parent = nullptr);

    // "Use Firewall" ticked or cleared, as a click would do.
    void useFirewallClicked(bool ticked);
    void firewallTypeClicked(int type);

    const FirewallPage& state() const { return m_state; }
    QCheckBox* useFirewall() const { return m_useFirewall; }
    QGroupBox* typeGroup() const { return m_types; }
    QLineEdit* field(int field) const { return m_fields.at(field); }
    QLabel* requiredMark(int field) const { return m_required.at(field); }

  private:
    void render();

    FirewallPage m_state;
    QCheckBox* m_useFirewall;
    QGroupBox* m_types;
    QButtonGroup* m_typeButtons;
    std::array<QLineEdit*, FirewallPage::FieldCount> m_fields{};
    std::array<QLabel*, FirewallPage::FieldCount> m_required{};
};
