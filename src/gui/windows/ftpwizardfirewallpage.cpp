#include "gui/windows/ftpwizardfirewallpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

FtpWizardFirewallPage::FtpWizardFirewallPage(QWidget* parent)
    : QWidget(parent),
      m_useFirewall(new QCheckBox(QStringLiteral("Use Firewall"), this)),
      m_types(new QGroupBox(QStringLiteral("Firewall Type"), this)),
      m_typeButtons(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("FirewallSheet"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Required"), this), 0, 2);
    const QStringList captions = {QStringLiteral("Host Name:"), QStringLiteral("User ID:"),
                                  QStringLiteral("Password:"), QStringLiteral("Port:")};
    for (int i = 0; i < FirewallPage::FieldCount; ++i) {
        auto* label = new QLabel(captions.at(i), this);
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setAccessibleName(captions.at(i).chopped(1));
        label->setBuddy(m_fields[i]);
        m_required[i] = new QLabel(this);
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(m_fields[i], i + 1, 1);
        grid->addWidget(m_required[i], i + 1, 2);
    }
    m_useFirewall->setObjectName(QStringLiteral("chkUseFirewall"));
    m_useFirewall->setAccessibleName(m_useFirewall->text());
    m_useFirewall->setEnabled(false);
    connect(m_useFirewall, &QCheckBox::toggled, this, &FtpWizardFirewallPage::useFirewallClicked);
    m_types->setAccessibleName(m_types->title());
    auto* types = new QVBoxLayout(m_types);
    for (int i = 0; i < FirewallPage::FirewallTypes.size(); ++i) {
        auto* button = new QRadioButton(FirewallPage::FirewallTypes.at(i), m_types);
        m_typeButtons->addButton(button, i);
        types->addWidget(button);
    }
    connect(m_typeButtons, &QButtonGroup::idToggled, this, [this](int type, bool checked) {
        if (checked) {
            firewallTypeClicked(type);
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_useFirewall);
    layout->addWidget(m_types);
    layout->addStretch(1);
    render();
}

void FtpWizardFirewallPage::useFirewallClicked(bool ticked) {
    m_state.UseFirewall = ticked;
    render();
}

void FtpWizardFirewallPage::firewallTypeClicked(int type) {
    m_state.FirewallType = type;
    render();
}

void FtpWizardFirewallPage::render() {
    // The boxes take the page's state; that is no change of the user's.
    const QSignalBlocker box(m_useFirewall);
    const QSignalBlocker types(m_typeButtons);
    m_useFirewall->setChecked(m_state.UseFirewall);
    if (QAbstractButton* type = m_typeButtons->button(m_state.FirewallType)) {
        type->setChecked(true);
    }
    const auto marks = m_state.requiredMarks();
    for (int i = 0; i < FirewallPage::FieldCount; ++i) {
        m_fields[i]->setEnabled(m_state.controlsEnabled());
        m_required[i]->setText(marks.at(i));
    }
    m_types->setEnabled(m_state.controlsEnabled());
}
