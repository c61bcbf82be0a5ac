#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
struct FtpStatusView;

// The transfer status window ("FTP Download Status"), shown modally while the file is fetched:
// where from and to, the live line of bytes received, the progress bar, and one button
// ("Cancel", "Ok" once every byte arrived) that closes the window and does nothing else.
class FtpStatusForm : public QDialog {
    Q_OBJECT
  public:
    explicit FtpStatusForm(QWidget* parent = nullptr);

    void render(const FtpStatusView& view);

    QLabel* statusLine() const { return m_status; }
    QLabel* connectionLine() const { return m_connection; }
    QProgressBar* progressBar() const { return m_bar; }
    QPushButton* button() const { return m_button; }

  private:
    QLabel* addValue(class QGridLayout* grid, int row, const QString& caption, const char* name);

    QLabel* m_host = nullptr;
    QLabel* m_file = nullptr;
    QLabel* m_savingTo = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_connection = nullptr;
    QProgressBar* m_bar;
    QPushButton* m_button;
};
