#pragma once

#include "compare/comparetable.h"

#include <QString>

// A check box as the window shows it: caption, enabled and ticked.
struct CheckBoxState {
    QString text;
    bool enabled = false;
    bool checked = false;
};

// The controls of the Compare page as plain data the window renders: the baseline check box,
// the reset button, the baseline label and the compare table. The compare label is
// MainViews::CompareConfigLabel, because the report parser writes it too; the include check
// box on the Suggestions page is ReportLoader::includeCompareDifferences, because the load
// unticks it.
struct ComparePage {
    static const QString NoServerCheckBoxText;  // "Use THIS server's config (server ) ..."
    static const QString NoBaselineLabel;       // "Baseline Config...from server:  <NONE>"
    static const QString NoCompareLabel;        // "Compare Config...from server: <NONE>"
    static QString checkBoxText(const QString& trimmedServerName);

    CheckBoxState BaselineCheckBox{NoServerCheckBoxText, false, false};
    bool ResetBaselineBtnEnabled = false;
    QString BaselineConfigLabel = NoBaselineLabel;
    CompareTable ListView1;
};
