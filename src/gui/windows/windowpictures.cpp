#include "gui/windows/windowpictures.h"

#include "download/downloadviews.h"
#include "gui/windows/abendlogform.h"
#include "gui/windows/ftpstatusform.h"
#include "gui/windows/ftpwizardform.h"
#include "gui/windows/optionsform.h"

#include "gui/widgets/picturefolder.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

using Pictures = PictureFolder;

// A transfer under way, as the status window shows it during Get File.
FtpStatusView sampleTransfer() {
    FtpStatusView view;
    view.visible = true;
    view.RemoteHost = QStringLiteral("ftp.quarix.example");
    view.RemoteFile = QStringLiteral("/outgoing/cartvxdb.ini");
    view.SavingTo = QStringLiteral("~/.config/cartovex/quarixdb.ini");
    view.Status = QStringLiteral("61440 of 150000 bytes received");
    view.Connection = QStringLiteral("Connected (TLS)");
    view.barMaximum = 150000;
    view.barPosition = 61440;
    return view;
}

}  // namespace

namespace windowpictures {

int saveAll(QWidget& mainWindow, const QString& folder, int first) {
    QDir().mkpath(folder);
    Pictures pictures(folder, first);
    for (AbendLogForm* form : mainWindow.findChildren<AbendLogForm*>()) {
        form->showBeside(mainWindow.size());
        form->activated();
        pictures.savePages(*form, form->pages(), QStringLiteral("abend "));
        form->hide();
    }
    for (OptionsForm* form : mainWindow.findChildren<OptionsForm*>()) {
        form->show();
        pictures.savePages(*form, form->pages(), QStringLiteral("options "));
        form->CancelButtonClick();
    }
    for (FtpWizardForm* form : mainWindow.findChildren<FtpWizardForm*>()) {
        form->show();
        pictures.save(*form, QStringLiteral("download wizard"));
        form->CancelBtnClick();
    }
    for (FtpStatusForm* form : mainWindow.findChildren<FtpStatusForm*>()) {
        form->render(sampleTransfer());
        form->show();
        pictures.save(*form, QStringLiteral("ftp download status"));
        form->hide();
    }
    return pictures.written();
}

}  // namespace windowpictures
