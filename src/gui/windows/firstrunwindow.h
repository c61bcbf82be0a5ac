#pragma once

#include "startup/firstrun.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The first-run window: a small captionless dialog that shows the initialisation steps as
// they run when it is activated; OK records that the program is initialised.
class FirstRunWindow : public QDialog, private FirstRunView {
    Q_OBJECT
  public:
    FirstRunWindow(QString settingsPath, FirstRun::RegisterControl registerControl,
                   QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }
    QProgressBar* progressBar() const { return m_bar; }
    QPushButton* okButton() const { return m_ok; }

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override {}  // Escape does not skip the initialisation

  private:
    void setLabel(const QString& text) override;
    void setProgress(int position) override;
    void setOkEnabled(bool enabled) override;
    void pumpEvents() override;
    void runSteps();
    void confirm();

    QString m_settingsPath;
    FirstRun m_firstRun;
    QLabel* m_label;
    QProgressBar* m_bar;
    QPushButton* m_ok;
    bool m_started = false;
};
