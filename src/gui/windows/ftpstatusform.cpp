#include "gui/windows/ftpstatusform.h"

#include "download/downloadviews.h"
#include "gui/widgets/pagewidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

FtpStatusForm::FtpStatusForm(QWidget* parent)
    : QDialog(parent), m_bar(new QProgressBar(this)), m_button(new QPushButton(this)) {
    setObjectName(QStringLiteral("TFTPStatusForm"));
    setWindowTitle(QStringLiteral("FTP Download Status"));
    setModal(true);
    auto* grid = new QGridLayout;
    m_host = addValue(grid, 0, QStringLiteral("Remote Host:"), "lblRemoteHost");
    m_file = addValue(grid, 1, QStringLiteral("Remote File:"), "lblRemoteFile");
    m_savingTo = addValue(grid, 2, QStringLiteral("Saving To:"), "lblSavingTo");
    m_status = addValue(grid, 3, QStringLiteral("Status:"), "lblStatus");
    m_connection = addValue(grid, 4, QStringLiteral("Connection:"), "lblConnection");
    grid->setColumnStretch(1, 1);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setAccessibleName(QStringLiteral("Transfer progress"));
    m_bar->setTextVisible(false);
    m_button->setObjectName(QStringLiteral("CancelBtn"));
    connect(m_button, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_button);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    render(FtpStatusView{});
    resize(420, sizeHint().height());
}

QLabel* FtpStatusForm::addValue(QGridLayout* grid, int row, const QString& caption,
                                const char* name) {
    auto* label = new QLabel(caption, this);
    auto* value = new QLabel(this);
    value->setObjectName(QLatin1String(name));
    value->setAccessibleDescription(pagewidgets::fieldName(caption));  // the value is read as shown
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setBuddy(value);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

void FtpStatusForm::render(const FtpStatusView& view) {
    m_host->setText(view.RemoteHost);
    m_file->setText(view.RemoteFile);
    m_savingTo->setText(view.SavingTo);
    m_status->setText(view.Status);
    m_connection->setText(view.Connection);
    // The bar counts in ints; the remote size is a 32-bit count of bytes.
    constexpr qint64 Top = std::numeric_limits<int>::max();
    m_bar->setRange(0, int(qBound(qint64(0), view.barMaximum, Top)));
    m_bar->setValue(int(qBound(qint64(0), view.barPosition, qint64(m_bar->maximum()))));
    m_button->setText(view.ButtonCaption);
    m_button->setAccessibleName(view.ButtonCaption);
}
