#pragma once

#include "ui/progress.h"

#include <QDialog>
#include <QElapsedTimer>

class QProgressBar;

// The progress window of Sync Databases ("Syncing Databases..."): shown without blocking when
// the synchronisation starts, its bar advanced after each stage, hidden when it ends. Pending
// window messages, user input excepted, are handled between the stages so it paints while
// nothing can start a second operation.
class SyncProgressForm : public QDialog, public Progress {
    Q_OBJECT
  public:
    explicit SyncProgressForm(QWidget* parent = nullptr);

    QProgressBar* progressBar() const { return m_bar; }

    void start(int maximum) override;
    void step() override;
    void finish() override;
    void pumpEvents() override;

  private:
    QProgressBar* m_bar;
    QElapsedTimer m_sincePump;
};
