#pragma once

#include <QDialog>

// The About box: the product's artwork and name on bevelled panels. Modal; a click anywhere
// on it, or any key pressed without Ctrl, closes it.
class AboutForm : public QDialog {
    Q_OBJECT
  public:
    explicit AboutForm(QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
