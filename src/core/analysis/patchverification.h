#pragma once

#include "analysis/analysisstate.h"

#include <QString>
#include <QStringList>

class DatabaseSelection;
class MainViews;
class PatchDatabaseManager;
class Progress;
class ServerModel;
class UserDialogs;

// Checks the server's loaded OS patches against the patch sets of the current database: which
// sets are loaded completely (each gets a colour), which only in part, and which patches
// belong to no set.
class PatchVerification {
  public:
    PatchVerification(const ServerModel& model, AnalysisState& state, MainViews& views,
                      PatchDatabaseManager& manager, UserDialogs& dialogs, Progress& progress);

    // Throws OperationError when a set's count is not a number; the lists keep what was built.
    void VerifyPatches();

    // The OS version without its first ".": "4.10" gives "410".
    static QString shortOSVersion(const QString& osVersion);
    // "410pt6" before "410it6": each "it" set is moved to follow the "pt" set of its version.
    static void orderKitKinds(QStringList& names);
    // The count in a set name such as "410pt6.txt : 70 native patches"; the whole number is
    // read when it has more than two digits. Throws OperationError when it is not a number.
    int setCount(const QString& name) const;

  private:
    void testSet(const QString& name);
    void recordComplete(const QString& name);
    void recordPartial(const QString& name, int matches, int count);

    const ServerModel& m_model;
    AnalysisState& m_state;
    MainViews& m_views;
    PatchDatabaseManager& m_manager;
    UserDialogs& m_dialogs;
    Progress& m_progress;
};
