#include "gui/windows/registerocxform.h"

#include "settings/datadirectory.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A radio group: its items in index order, the one at `checked` preselected.
QGroupBox* radioGroup(const QString& title, const QStringList& items, int checked,
                      QList<QRadioButton*>& buttons) {
    auto* group = new QGroupBox(title);
    group->setAccessibleName(title);
    auto* layout = new QVBoxLayout(group);
    auto* exclusive = new QButtonGroup(group);
    for (int k = 0; k < items.size(); ++k) {
        auto* button = new QRadioButton(items.at(k), group);
        button->setChecked(k == checked);
        exclusive->addButton(button, k);
        layout->addWidget(button);
        buttons.append(button);
    }
    return group;
}

}  // namespace

RegisterOcxForm::RegisterOcxForm(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      m_registration(dialogs, m_loader, &DataDirectory::systemDirectory),
      m_doIt(new QPushButton(TransferControlRegistration::DoItCaption)) {
    setWindowTitle(TransferControlRegistration::Caption);
    auto* groups = new QHBoxLayout;
    groups->addWidget(radioGroup(TransferControlRegistration::OptionGroupCaption,
                                 TransferControlRegistration::OptionCaptions,
                                 m_registration.RegOptRG, m_options));
    groups->addWidget(radioGroup(TransferControlRegistration::FileGroupCaption,
                                 TransferControlRegistration::FileCaptions, m_registration.OCXDLLRG,
                                 m_files));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(m_doIt, 0, Qt::AlignHCenter);
    m_doIt->setDefault(true);
    connect(m_doIt, &QPushButton::clicked, this, &RegisterOcxForm::doIt);
    setFixedSize(sizeHint().expandedTo(QSize(300, 150)));
}

void RegisterOcxForm::doIt() {
    m_registration.RegOptRG = m_options.at(1)->isChecked() ? TransferControlRegistration::Unregister
                                                           : TransferControlRegistration::Register;
    m_registration.OCXDLLRG = m_files.at(1)->isChecked() ? TransferControlRegistration::NmocodDll
                                                         : TransferControlRegistration::FtpctOcx;
    m_registration.DoItBtnClick();
}
