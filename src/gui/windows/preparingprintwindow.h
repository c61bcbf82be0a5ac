#pragma once

#include <QDialog>

// The notice "Preparing Print Job..." shown, borderless and centred, while the summary report
// is built and sent to the printer.
class PreparingPrintWindow : public QDialog {
    Q_OBJECT
  public:
    explicit PreparingPrintWindow(QWidget* parent = nullptr);
    // Shows the notice and lets it paint.
    void showNow();
};
