#include "report/reportparser.h"

#include "report/deviceparsestate.h"
#include "report/diskdevicerecogniser.h"
#include "report/embeddedfilegroup.h"
#include "report/headerdisplay.h"
#include "report/headerrecogniser.h"
#include "report/landriverrecogniser.h"
#include "report/modulelistingrecogniser.h"
#include "report/parsecontext.h"
#include "report/volumeoutput.h"
#include "report/volumestatsrecogniser.h"
#include "report/volumetablerecogniser.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Lines parsed between two reports of the progress.
constexpr int ProgressEvery = 64;

}  // namespace

ReportParser::ReportParser(ServerModel& model, MainViews& views, ParseHooks& hooks,
                           Progress& progress)
    : m_model(model), m_views(views), m_hooks(hooks), m_progress(progress) {}

void ReportParser::prepare() {
    m_model.resetParseValues();
    m_model.PatchEntries.clear();
    m_model.OtherModules.clear();
    m_model.Interrupts.clear();
    m_model.clearVolumes();
    m_views.VolListBox.clear();
    m_model.AbendLogLines.clear();
    m_hooks.clearAnalysisViews();
    m_hooks.ReadCoreModuleList();
    m_progress.start(int(m_model.ReportLines.size()) - 1);
}

void ReportParser::ParseReport(bool startedByCompare) {
    prepare();
    ParseContext ctx(m_model, m_views, m_hooks, startedByCompare);
    VolumeParseState volumes;
    DeviceParseState devices;

    // The recognisers in the order they look at each line.
    std::vector<std::unique_ptr<LineRecogniser>> recognisers;
    recognisers.push_back(std::make_unique<HeaderRecogniser>(ctx));
    recognisers.push_back(std::make_unique<HeaderDisplay>(ctx));
    recognisers.push_back(std::make_unique<ModuleListingRecogniser>(ctx));
    recognisers.push_back(std::make_unique<EmbeddedFileGroup>(ctx));
    recognisers.push_back(std::make_unique<VolumeTableRecogniser>(ctx, volumes));
    recognisers.push_back(std::make_unique<VolumeStatsRecogniser>(ctx, volumes));
    recognisers.push_back(std::make_unique<VolumeOutput>(ctx, volumes));
    recognisers.push_back(std::make_unique<DiskDeviceRecogniser>(ctx, devices));
    recognisers.push_back(std::make_unique<LanDriverRecogniser>(ctx, devices));

    // Each recogniser's wake mask, changed only by its own onLine(): kept side by side, the test
    // of every recogniser against a line costs a few instructions.
    std::vector<quint64> wake;
    for (const auto& recogniser : recognisers) {
        wake.push_back(recogniser->wakeMask());
    }
    const int count = ctx.lineCount();
    for (int i = 0; i < count; ++i) {
        // The progress and the window's messages every so many lines: a line takes far less
        // time than a call that does nothing.
        if (i % ProgressEvery == 0) {
            m_progress.advance(std::min(ProgressEvery, count - i));
            m_progress.pumpEvents();
        }
        const quint64 summary = ctx.summary(i);
        for (std::size_t k = 0; k < wake.size(); ++k) {
            if ((summary & wake[k]) == wake[k]) {
                recognisers[k]->onLine(i);
                wake[k] = recognisers[k]->wakeMask();
            }
        }
    }
    ctx.stopSummaries();
    if (m_releaseText) {
        m_model.ReportLines.clear();
    }
    afterLoop(ctx, devices.disksDone || devices.lanDone);
}

void ReportParser::afterLoop(ParseContext& ctx, bool disksOrLanDone) {
    // The module and patch lists are put in order now, in one go each that cannot stop for the
    // window: the checks and analysis stages after the parse read them in order.
    m_progress.runAside([this] {
        m_model.OtherModules.size();  // a big list stays in its compact form
        m_model.PatchEntries.size();
    });
    if (disksOrLanDone) {
        // Interrupts that often clash with other hardware are pointed out.
        for (const QString& line : std::as_const(m_model.Interrupts)) {
            const QString head = line.left(2);
            if (head == QLatin1String("15") || head == QLatin1String("2 ") ||
                head == QLatin1String("9 ")) {
                ctx.addSuggestion(QStringLiteral("Possible int problem: ") + line.left(38));
            }
            m_views.IntListBox.append(line);
        }
    }
    m_hooks.CheckModuleCurrency();
    m_hooks.focusPatchView();
    showCounts();
}

void ReportParser::showCounts() {
    if (!m_model.HasPatchKitList) {
        m_views.PatchesLabel =
            QStringLiteral("Patches: ") + QString::number(m_model.PatchModuleCount);
    }
    m_views.OtherDXPLabel =
        QStringLiteral("Other DXPs: ") + QString::number(m_model.OtherModuleCount);
    const int listings = m_model.ModuleListingCount;
    m_views.StatusPanels[3] =
        QString::number(listings) + (listings == 1 ? QStringLiteral(" module listing found.")
                                                   : QStringLiteral(" module listings found."));
    const int headers = m_model.ConfigHeaderCount;
    m_views.StatusPanels[4] =
        QString::number(headers) + (headers == 1 ? QStringLiteral(" config header found.")
                                                 : QStringLiteral(" config headers found."));
}
