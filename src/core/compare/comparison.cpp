#include "compare/comparison.h"

#include "compare/comparetablebuilder.h"
#include "text/caserules.h"

namespace {

const QString ModulesCaption = QStringLiteral("Non-Patch DXPs Loaded:");
const QString UseCompareButton = QStringLiteral(
    "Differences from the Compare function will not be included.\r\n\r\n"
    "You must use the Compare button on the Compare tab page\r\nto use this feature.");

}  // namespace

Comparison::Comparison(ServerModel& model, MainViews& views, AnalysisState& analysis,
                       ReportLoader& loader, UserDialogs& dialogs, Progress& progress,
                       OpenForCompare open)
    : m_model(model),
      m_views(views),
      m_analysis(analysis),
      m_loader(loader),
      m_dialogs(dialogs),
      m_progress(progress),
      m_open(std::move(open)) {
    m_views.CompareConfigLabel = ComparePage::NoCompareLabel;
}

void Comparison::RefreshBaselineControls() {
    m_progress.pumpEvents();
    CheckBoxState& box = m_page.BaselineCheckBox;
    if (m_model.ServerName.isEmpty()) {
        m_page.ResetBaselineBtnEnabled = false;
        box.enabled = false;
        box.text = ComparePage::NoServerCheckBoxText;
    } else if (m_baselineChoice.isEmpty()) {
        box.enabled = true;
        box.text = ComparePage::checkBoxText(m_model.ServerName.trimmed());
        m_views.CompareConfigLabel = ComparePage::NoCompareLabel;
    } else {
        // A report without a name disabled the reset; with a named report again the chosen
        // baseline must stay resettable, or nothing could ever enable the button again.
        m_page.ResetBaselineBtnEnabled = true;
    }
}

void Comparison::ChooseBaseline() {
    CheckBoxState& box = m_page.BaselineCheckBox;
    if (!box.enabled || box.checked) {
        return;
    }
    box.checked = true;
    m_baselineChoice = m_views.ServNameEdit.trimmed();
    m_page.BaselineConfigLabel =
        QStringLiteral("Baseline Config...from server:  ") + m_baselineChoice;
    m_page.ResetBaselineBtnEnabled = true;
    box.enabled = false;
    if (m_baseline.isEmpty()) {
        m_baseline.take(m_model, m_analysis.CompleteSets);
    }
    m_progress.pumpEvents();
}

void Comparison::ResetBaseline() {
    if (!m_page.ResetBaselineBtnEnabled) {
        return;
    }
    CheckBoxState& box = m_page.BaselineCheckBox;
    box.checked = false;
    m_page.BaselineConfigLabel = ComparePage::NoBaselineLabel;
    m_views.CompareConfigLabel = ComparePage::NoCompareLabel;
    m_baselineChoice.clear();
    box.text = ComparePage::checkBoxText(m_model.ServerName.trimmed());
    box.enabled = true;
    m_page.ResetBaselineBtnEnabled = false;
    m_baseline.clear();
    m_compare.clear();
}

ReportLoader::Result Comparison::CompareServers(const ChooseReport& chooseReport) {
    ReportLoader::Result result;
    if (m_views.ServNameEdit.isEmpty()) {
        result.error = QStringLiteral(
            "A Baseline Config file hasn't been read yet!\r\n"
            "Open a config file and select your baseline choice.");
    } else if (!m_page.BaselineCheckBox.checked) {
        result.error = QStringLiteral(
            "Select a config for a Baseline Config (use the check box) then\r\n"
            "click the 'Compare' button to read the config to be compared.");
    }
    if (!result.error.isNull()) {
        m_dialogs.error(result.error);
        return result;
    }
    if (m_loader.isLoading()) {
        return result;  // never a compare inside a load
    }
    m_progress.pumpEvents();
    m_loader.setOpenedByCommand(false);
    const QString path = chooseReport();
    if (!path.isEmpty()) {
        result = m_open(path);
    }
    if (m_loader.openedByCommand()) {
        // Also after a refused first line: the report still shown is the compared one.
        m_compare.clear();
        m_compare.take(m_model, m_analysis.CompleteSets);
        m_progress.pumpEvents();
        CompareTableBuilder(m_page.ListView1, m_progress)
            .BuildCompareTable(m_baseline, m_compare, m_model.CompactModuleLines);
        // A refused compare report resets nothing, so its differences may stand already.
        if (m_loader.includeCompareDifferences() && !m_differencesAppended) {
            AppendCompareDifferences();
        }
    }
    m_progress.pumpEvents();
    return result;
}

void Comparison::AppendCompareDifferences() {
    if (m_compare.ServerName != m_model.ServerName.trimmed()) {
        m_dialogs.inform(QStringLiteral("The last server analyzed is not the same server as\r\n"
                                        "the last Compare Server.\r\n\r\n") +
                         UseCompareButton);
        m_loader.setIncludeCompareDifferences(false);
        m_progress.pumpEvents();
        return;
    }
    const QList<CompareRow>& rows = m_page.ListView1.rows;
    qsizetype start = 14;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).caption.contains(ModulesCaption)) {
            start = i + 1;
            break;
        }
    }
    QStringList& out = m_model.Suggestions;
    out << QStringLiteral("Following are differences found when compared")
        << QStringLiteral("against Baseline Server ") + m_baseline.ServerName + u':'
        << QStringLiteral(" ");
    bool any = false;
    for (qsizetype i = start; i < rows.size(); ++i) {
        const CompareRow& row = rows.at(i);
        if (!row.caption.isEmpty() && !row.subText.isEmpty() &&
            !caserules::equalsIgnoreCase(row.caption, row.subText)) {
            out << ServerModel::Bullet + QStringLiteral("Update ") + row.subText.trimmed() +
                       QStringLiteral(" is not current")
                << QStringLiteral(" ");
            any = true;
        }
    }
    if (!any) {
        out << ServerModel::Bullet + QStringLiteral("No differences found among loaded DXP's")
            << QStringLiteral(" ");
    }
    m_differencesAppended = true;
    m_progress.pumpEvents();
}

void Comparison::includeCheckBoxClicked(bool checked) {
    m_loader.setIncludeCompareDifferences(checked);
    if (checked) {
        if (m_page.ListView1.isEmpty()) {
            m_dialogs.inform(
                QStringLiteral("OK, but you have to use the Compare button on the\r\n"
                               "Compare tab page to get any additional info."));
        } else if (!m_differencesAppended) {
            AppendCompareDifferences();
        }
    }
    m_progress.pumpEvents();
}

void Comparison::showColumnWidths() {
    const CompareTable& table = m_page.ListView1;
    m_dialogs.inform(QStringLiteral("L = ") + QString::number(table.leftWidth) +
                     QStringLiteral("...R = ") + QString::number(table.rightWidth));
}

void Comparison::setColumnWidths(int left, int right) {
    m_page.ListView1.leftWidth = left;
    m_page.ListView1.rightWidth = right;
}
