#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the patch database manager window, other than its "Customize Database"
// page (customentriestexts.h): caption, page captions, labels, button captions and hints, menu
// items, and the instruction and legacy lines of the core module page.
namespace managertexts {

inline const QString Caption = QStringLiteral("Patch Database Manager");
// The captions of tbsCustomizeDB, PatchDBSheet, ImportPatchSheet and CoreDXPsPage.
inline const QStringList PageCaptions = {
    QStringLiteral("Customize Database"), QStringLiteral("Patch Database"),
    QStringLiteral("Import Patches"), QStringLiteral("Core DXP's")};

inline const QString AddPatchSetButton = QStringLiteral("Add Patch Set to DB");
inline const QString AddPatchSetHint = QStringLiteral("Open Patch Text File such as 410pt6.txt");
inline const QString CloseHint = QStringLiteral("Close Patch DB Manager");
inline const QString FileMenu = QStringLiteral("&File");
inline const QString CloseManagerItem = QStringLiteral("&Close Manager");
inline const QString HelpMenu = QStringLiteral("&Help");
inline const QString HelpItem = QStringLiteral("&Help");
inline const QString DatabaseTypeItem = QStringLiteral("DB &Type?");
inline const QString CloseContextItem = QStringLiteral("Close");

inline const QString ReadDatabaseButton = QStringLiteral("Read Patch Database");
inline const QString DeleteDatabaseButton = QStringLiteral("Delete Patch Database");
inline const QString CreateDefaultButton = QStringLiteral("Create Default DB");
inline const QString SaveChangesButton = QStringLiteral("Save Changes");

// The kit open dialog: its filter, as name|pattern pairs, and its start folder.
inline const QString KitFilter =
    QStringLiteral("Patch Text Files (*.txt, such as 410pt6.txt)|*.txt|All Files (*.*)|*.*");
inline const QString KitStartFolder = QStringLiteral("c:\\");

inline const QString DxpNameLabel = QStringLiteral("DXP Name");
inline const QString DxpVersionLabel = QStringLiteral("DXP Version");
inline const QString DxpVersionHint = QStringLiteral("Enter latest version (ie: 4.10h)");
inline const QString CoreDxpsLabel = QStringLiteral("Core DXPs");
inline const QString AddChangeButton = QStringLiteral("Add/Change");
inline const QString RemoveButton = QStringLiteral("Remove");
inline const QString ReadCoreButton = QStringLiteral("Read");
inline const QStringList CoreDxpsInstructions = {
    QStringLiteral("Enter each core DXP with the Daltrix OS version it belongs to,"),
    QStringLiteral("a colon and the DXP's file name, in the form"),
    QStringLiteral("\"4.10:CLIB.DXP\" or \"3.12:CLIB.DXP\","),
    QStringLiteral("and its latest version in DXP Version.")};
inline const QStringList LegacyNote = {
    QStringLiteral("* This tab page will be removed from future releases.  This page should"),
    QStringLiteral("   generally not be used and is kept here for legacy purposes only.")};

}  // namespace managertexts
