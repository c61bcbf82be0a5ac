#pragma once

#include "download/registration.h"

#include <QDialog>

class QPushButton;
class QRadioButton;

// The "Register OCX" window: the two radio groups "Reg Option" and "OCX or DLL", and "Do It!",
// which runs the registration engine's command with the chosen items on the libraries of the
// system directory, loaded as shared libraries.
class RegisterOcxForm : public QDialog {
    Q_OBJECT
  public:
    RegisterOcxForm(UserDialogs& dialogs, QWidget* parent = nullptr);

    TransferControlRegistration& registration() { return m_registration; }

    QRadioButton* optionButton(int index) const { return m_options.at(index); }
    QRadioButton* fileButton(int index) const { return m_files.at(index); }
    QPushButton* doItButton() const { return m_doIt; }

  private:
    void doIt();

    SharedLibraryLoader m_loader;
    TransferControlRegistration m_registration;
    QList<QRadioButton*> m_options;
    QList<QRadioButton*> m_files;
    QPushButton* m_doIt;
};
