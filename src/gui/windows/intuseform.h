#pragma once

#include <QDialog>

// Interrupt Usage: the standard PC interrupt assignments, for reading the interrupt list of
// the Vols/Ints page. Modal, fixed size.
class IntUseForm : public QDialog {
    Q_OBJECT
  public:
    explicit IntUseForm(QWidget* parent = nullptr);
};
