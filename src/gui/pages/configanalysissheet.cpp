#include "gui/pages/configanalysissheet.h"

#include "analysis/analysisviews.h"
#include "engine/engine.h"
#include "gui/widgets/colouredlistmodel.h"
#include "gui/widgets/listviews.h"
#include "gui/widgets/pagewidgets.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

namespace {

const char* const InfoCaptions[6] = {"Server Name",  "OS Version",   "Engine Type",
                                     "Internal Net", "Total Memory", "License"};
const QString OPatchesBlank(40, u' ');

std::optional<ColourPair> setColours(std::optional<int> colour) {
    return colour ? std::optional(colourtable::setColour(*colour)) : std::nullopt;
}

QList<ColouredListModel::Row> toRows(const QList<analysisviews::PatchRow>& rows) {
    QList<ColouredListModel::Row> out;
    out.reserve(rows.size());
    for (const auto& row : rows) {
        out.append({row.text, setColours(row.colour)});
    }
    return out;
}

// Shows an engine list's lines with their rules: a big list from its one-byte lines, never
// copied as strings.
template <typename List>
void showLines(ColouredListModel* model, const List& list,
               ColouredListModel::ColourOf colourOf = nullptr,
               ColouredListModel::TextOf textOf = nullptr) {
    if (auto compact = list.compactLines()) {
        model->setLines(std::move(compact), std::move(colourOf), std::move(textOf));
    } else {
        model->setLines(list.lines(), std::move(colourOf), std::move(textOf));
    }
}

std::optional<ColourPair> moduleColours(const analysisviews::ModuleRow& row) {
    return row.colour == colourtable::ModuleColour::Normal
               ? std::nullopt
               : std::optional(colourtable::moduleColour(row.colour));
}

}  // namespace

ConfigAnalysisSheet::ConfigAnalysisSheet(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Config Analysis"));
    buildLists();
    buildServerInfo();
}

void ConfigAnalysisSheet::buildLists() {
    using listviews::Font;
    m_patchesLabel = pagewidgets::label(this, QStringLiteral("Patches"));
    m_oPatchesLabel = pagewidgets::label(
        this, OPatchesBlank, QStringLiteral("Number of patch rows, shown on a double-click"));
    m_oPatchesLabel->installEventFilter(this);
    m_patchModel = new ColouredListModel(this);
    m_plainPatchModel = new ColouredListModel(this);
    m_moduleModel = new ColouredListModel(this);
    m_oPatchList = listviews::create(this, m_patchModel, Font::FixedPitch, "Patches");
    m_patchList = listviews::create(this, m_plainPatchModel, Font::FixedPitch, "Patch kit list");
    m_otherLabel = pagewidgets::label(this, QStringLiteral("Other DXPs"));
    m_oOtherList = listviews::create(this, m_moduleModel, Font::FixedPitch, "Other DXPs");
    m_driverLabel =
        pagewidgets::label(this, QStringLiteral("(Yellow = Drivers, Red = Out of date DXPs)"));
    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(QStringLiteral("Load progress"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    // One module at most is selected on the page.
    connect(m_oPatchList, &QListView::pressed, m_oOtherList, &QListView::clearSelection);
    connect(m_patchList, &QListView::pressed, m_oOtherList, &QListView::clearSelection);
    connect(m_oOtherList, &QListView::pressed, m_oPatchList, &QListView::clearSelection);
    connect(m_oOtherList, &QListView::pressed, m_patchList, &QListView::clearSelection);
}

void ConfigAnalysisSheet::buildServerInfo() {
    m_serverInfo = pagewidgets::group(this, QStringLiteral("Server Info"));
    for (int i = 0; i < 6; ++i) {
        m_infoLabels[i] = pagewidgets::label(m_serverInfo, QLatin1String(InfoCaptions[i]));
        m_info[i] = new QLineEdit(m_serverInfo);
        m_info[i]->setReadOnly(true);
        m_info[i]->setAccessibleName(QLatin1String(InfoCaptions[i]));
        m_infoLabels[i]->setBuddy(m_info[i]);
    }
    m_configDate = pagewidgets::label(m_serverInfo, {}, QStringLiteral("Date of the report"));
    m_configDxp =
        pagewidgets::label(m_serverInfo, {}, QStringLiteral("Module that produced the report"));
    m_setsGroup = pagewidgets::group(this, QStringLiteral("Complete Patch Sets In Config"));
    m_setsModel = new ColouredListModel(this);
    m_oSetsList = listviews::create(m_setsGroup, m_setsModel, listviews::Font::Proportional,
                                    "Complete Patch Sets In Config");
    m_oSetsList->setSelectionMode(QAbstractItemView::NoSelection);
    m_partialBtn = new QPushButton(QStringLiteral("Partial Set Matches"), m_setsGroup);
    m_partialBtn->setAccessibleName(QStringLiteral("Partial Set Matches"));
    m_partialBtn->hide();
    connect(m_partialBtn, &QPushButton::clicked, this, &ConfigAnalysisSheet::partialMatchesClicked);
}

void ConfigAnalysisSheet::render(Engine& engine) {
    const MainViews& v = engine.views();
    m_patchesLabel->setText(v.PatchesLabel);
    m_otherLabel->setText(v.OtherDXPLabel);
    const QString info[6] = {v.ServNameEdit, v.OSVerEdit,  v.EngTypeEdit,
                             v.IntNetEdit,   v.TotMemEdit, v.LicEdit};
    for (int i = 0; i < 6; ++i) {
        m_info[i]->setText(info[i]);
        m_info[i]->setCursorPosition(0);
    }
    m_configDate->setText(v.ConfigDateLabel);
    m_configDxp->setText(v.ConfigDXPLabel);
    m_partialBtn->setVisible(v.PartialMatchesBtn);
    m_patchList->setVisible(v.PatchListBoxVisible);
    renderLists(engine);
}

void ConfigAnalysisSheet::renderLists(Engine& engine) {
    const AnalysisState& a = engine.analysis();
    // A patch line's colour suffix is left out of its row's text.
    showLines(
        m_patchModel, a.PatchAnalysisList,
        [](const QString& line) { return setColours(analysisviews::patchColour(line)); },
        [](const QString& line) { return analysisviews::patchText(line).toString(); });
    showLines(m_plainPatchModel, engine.model().PatchEntries);
    showLines(m_moduleModel, engine.model().OtherModules,
              [outOfDate = a.OutOfDateModules](const QString& line) {
                  return moduleColours(analysisviews::moduleRow(line, outOfDate));
              });
    m_setsModel->setRows(toRows(analysisviews::completeSetRows(a.CompleteSets)));
}

void ConfigAnalysisSheet::setLoading(bool loading) {
    m_progress->setVisible(loading);
    m_driverLabel->setVisible(!loading);
}

void ConfigAnalysisSheet::applyLayout(const QSize& page) {
    using pagewidgets::rounded;
    const int w = page.width();
    const int h = page.height();
    const QSize list(qMax(w - 333, 60), qMax(rounded(h * 0.5 - 75), 30));
    m_patchesLabel->setGeometry(14, 8, 150, 20);
    m_oPatchesLabel->setGeometry(170, 8, qMax(list.width() - 156, 10), 20);
    m_oPatchList->setGeometry(14, 8 + 32, list.width(), list.height());
    m_patchList->setGeometry(14, 8 + 32, list.width() + 1, list.height() + 1);
    const int otherTop = m_oPatchList->geometry().bottom() + 1 + 15;
    m_otherLabel->setGeometry(14, otherTop, list.width(), 20);
    m_oOtherList->setGeometry(14, otherTop + 32, list.width(), list.height());
    m_progress->setGeometry(14, h - 55, list.width(), 18);
    m_driverLabel->setGeometry(14, h - 55, list.width(), 18);
    const auto scroll = list.width() < 360 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    m_oPatchList->setHorizontalScrollBarPolicy(scroll);
    m_oOtherList->setHorizontalScrollBarPolicy(scroll);

    const int x = 14 + list.width() + 23;
    const int rw = qMax(w - x - 10, 120);
    const int infoHeight = h > 544 ? 315 : qMax(h - 220, 120);
    m_serverInfo->setGeometry(x, 8, rw, infoHeight);
    const int rowHeight = qMin(30, (infoHeight - 70) / 6);
    for (int i = 0; i < 6; ++i) {
        m_infoLabels[i]->setGeometry(10, 24 + i * rowHeight, 90, 24);
        m_info[i]->setGeometry(100, 24 + i * rowHeight, rw - 110, 24);
    }
    m_configDate->setGeometry(10, 24 + 6 * rowHeight + 2, rw - 20, 18);
    m_configDxp->setGeometry(10, 24 + 6 * rowHeight + 22, rw - 20, 18);
    const int setsTop = 8 + infoHeight + 10;
    m_setsGroup->setGeometry(x, setsTop, rw, qMax(h - setsTop - 8, 150));
    m_oSetsList->setGeometry(10, 22, rw - 20, 90);
    m_partialBtn->setGeometry(55, 120, qMin(160, rw - 65), 26);
}

bool ConfigAnalysisSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_oPatchesLabel && event->type() == QEvent::MouseButtonDblClick) {
        const bool blank = m_oPatchesLabel->text() == OPatchesBlank;
        m_oPatchesLabel->setText(blank ? QStringLiteral(" (%1)").arg(m_patchModel->rowCount())
                                       : OPatchesBlank);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
