#include "gui/windows/managerpictures.h"

#include "gui/windows/patchdb/patchdatabasepage.h"
#include "gui/windows/patchdbform.h"
#include "gui/windows/registerocxform.h"
#include "gui/windows/syncprogressform.h"

#include "gui/widgets/picturefolder.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

using Pictures = PictureFolder;

void saveManager(PatchDBForm& form, Pictures& pictures) {
    form.state().revealHiddenPages();
    form.show();
    form.databasePage()->readButton()->click();
    QTabWidget* tabs = form.tabs();
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        pictures.save(form, QStringLiteral("manager ") + tabs->tabText(page));
    }
    tabs->setCurrentIndex(0);
    form.hide();
    SyncProgressForm* progress = form.syncProgressWindow();
    progress->start(6);
    progress->step();
    progress->step();
    pictures.save(*progress, QStringLiteral("syncing databases"));
    progress->finish();
}

}  // namespace

namespace managerpictures {

int saveAll(QWidget& mainWindow, const QString& folder, int first) {
    QDir().mkpath(folder);
    Pictures pictures(folder, first);
    for (PatchDBForm* form : mainWindow.findChildren<PatchDBForm*>()) {
        saveManager(*form, pictures);
    }
    for (RegisterOcxForm* form : mainWindow.findChildren<RegisterOcxForm*>()) {
        form->show();
        pictures.save(*form, QStringLiteral("register ocx"));
        form->hide();
    }
    return pictures.written();
}

}  // namespace managerpictures
