#include "patchdb/manualupdate.h"

#include "download/downloadsettings.h"
#include "ini/inilines.h"
#include "patchdb/databaseselection.h"
#include "settings/datadirectory.h"
#include "settings/settingswriteback.h"
#include "ui/userdialogs.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    const QString ca = fa.canonicalFilePath();
    return !ca.isEmpty() ? ca == fb.canonicalFilePath()
                         : fa.absoluteFilePath() == fb.absoluteFilePath();
}

// Why the bytes cannot be a database, or an empty text: a database is text (no NUL byte) with
// at least one section header line.
QString notADatabase(const QByteArray& bytes) {
    if (bytes.contains('\0')) {
        return QStringLiteral("it holds binary data.");
    }
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith('[') || line.contains("\r[")) {
            return QString();
        }
    }
    return QStringLiteral("it holds no section header line.");
}

}  // namespace

bool ManualUpdate::run(const QString& chosenFile) {
    if (!IniLines::exists(chosenFile)) {
        dialogs.error(QStringLiteral("File ") + chosenFile + QStringLiteral(" does not exist!"));
        return false;
    }
    // Check that the chosen file can be read before anything is deleted, so a bad choice
    // never costs the user the database they have.
    QFile source(chosenFile);
    if (!source.open(QIODevice::ReadOnly)) {
        dialogs.error(source.errorString());
        return false;
    }
    const QString refusal = notADatabase(source.readAll());
    source.close();
    if (!refusal.isEmpty()) {
        dialogs.error(QStringLiteral("File ") + chosenFile +
                      QStringLiteral(" is not a patch database: ") + refusal);
        return false;
    }

    if (!replaceAndWriteBack(chosenFile)) {
        return false;
    }
    if (dialogs.askYesNo(MessageKind::Confirmation,
                         QStringLiteral("Sync Custom Database with Quarix-controlled Database?")) &&
        synchronise) {
        synchronise();
    }
    dialogs.inform(QStringLiteral("Manual update of Quarix-controlled database complete."));
    return true;
}

bool ManualUpdate::replaceAndWriteBack(const QString& chosenFile) {
    // One change of the data directory, under its lock; the questions that follow are asked
    // without it, so no other program waits on the user.
    const std::unique_ptr<DirectoryLock> lock = DataDirectory::lock();
    const QString target = databases.controlled().path();
    // The download settings live in the file about to be replaced; they are written back.
    const DownloadSettings settings = DownloadSettings::load(databases.controlled());
    const QString localFile = settings.LocalFile;
    // When the chosen file is the download file itself, deleting it first would destroy the
    // very file that is about to be copied.
    if (!localFile.isEmpty() && IniLines::exists(localFile) && !sameFile(localFile, chosenFile)) {
        IniLines::remove(localFile);
    }
    if (!sameFile(chosenFile, target) && !IniLines::copyKeepingTime(chosenFile, target)) {
        QFile source(chosenFile);
        dialogs.error(source.open(QIODevice::ReadOnly)
                          ? QStringLiteral("Unable to read ") + chosenFile
                          : source.errorString());
        return false;
    }
    settings.saveConnection(databases.controlled());
    settingswriteback::afterManualUpdate(databases, recentFiles);
    return true;
}
