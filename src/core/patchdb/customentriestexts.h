#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the manager's "Customize Database" page, for the window to show as they
// stand: the page caption, labels, group and radio captions, button captions and hint, and the
// caption of the progress window of Sync Databases.
namespace customtexts {

inline const QString PageCaption = QStringLiteral("Customize Database");
inline const QString Heading =
    QStringLiteral("Add Your Modules (DXP's, drivers, etc) to Database Here:");
inline const QString ModuleNameLabel = QStringLiteral("Module Name:");
inline const QString ModuleVersionLabel = QStringLiteral("Module Version:");
inline const QString OsGroupCaption = QStringLiteral("Daltrix OS Version");
// The captions of chk500, chk411, chk410, chk312, chk311 and chkOtherVer, in that order.
inline const QStringList OsBoxCaptions = {QStringLiteral("5.00"), QStringLiteral("4.11"),
                                          QStringLiteral("4.10"), QStringLiteral("3.12"),
                                          QStringLiteral("3.11"), QStringLiteral("Other")};
inline const QString OtherVersionLabel = QStringLiteral("Other DX OS Ver:");
inline const QString FileSetLabel = QStringLiteral("Obtain Module From File:");
inline const QString EntriesLabel = QStringLiteral("Custom Database Entries:");
inline const QString SelectionGroupCaption = QStringLiteral("Select Custom Entries Above");
inline const QStringList SelectionModeCaptions = {QStringLiteral("Single-Select to View"),
                                                  QStringLiteral("Multi-Select to Delete")};
inline const QString AddButton = QStringLiteral("Add/Update Module");
inline const QString DeleteButton = QStringLiteral("Delete Module");
inline const QString ReadButton = QStringLiteral("Read Custom Entries");
inline const QString SyncButton = QStringLiteral("Sync Databases");
inline const QString SyncButtonHint =
    QStringLiteral("Sync Your Custom DB Entries with Quarix-Controlled DB");
inline const QString ClearButton = QStringLiteral("Clear Entries");
inline const QString CheckSyncButton = QStringLiteral("Check Sync Status");
inline const QString PromptToRestartCaption = QStringLiteral("Prompt to Restart on Update");
inline const QString SyncProgressCaption = QStringLiteral("Syncing Databases...");

}  // namespace customtexts
