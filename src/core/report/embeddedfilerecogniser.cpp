#include "report/embeddedfilerecogniser.h"

#include "report/parsecontext.h"
#include "text/caserules.h"

const QList<EmbeddedFileRecogniser::Definition>& EmbeddedFileRecogniser::definitions() {
    static const QList<Definition> defs = {
        {QStringLiteral("SYS:SYSTEM\\ABEND.LOG"), 4, true, Kind::AbendLog,
         &ServerModel::AbendLogLines},
        {QStringLiteral("C:AUTOEXEC.DXS"), 2, true, Kind::Plain, &ServerModel::DosAutoexecDxs},
        {QStringLiteral("SYS:SYSTEM\\AUTOEXEC.DXS"), 2, true, Kind::Plain,
         &ServerModel::AutoexecDxs},
        {QStringLiteral("C:STARTUP.DXS"), 2, true, Kind::Plain, &ServerModel::StartupDxs},
        {QStringLiteral("C:\\CONFIG.SYS"), 1, false, Kind::ConfigSys, &ServerModel::ConfigSys},
        {QStringLiteral("C:\\AUTOEXEC.BAT"), 1, false, Kind::Plain, &ServerModel::AutoexecBat},
    };
    return defs;
}

EmbeddedFileRecogniser::EmbeddedFileRecogniser(ParseContext& context, const Definition& definition,
                                               int& sharedFirstLine)
    : LineRecogniser(context),
      m_def(definition),
      m_topMarker(QStringLiteral("Top of file. [") + definition.fileName + u']'),
      m_endMarker(QStringLiteral("End of file. [") + definition.fileName + u']'),
      m_sharedFirstLine(&sharedFirstLine) {}

void EmbeddedFileRecogniser::onLine(int i) {
    const QStringView line = m_ctx.view(i);
    if (m_ctx.has(i, m_topMarker)) {
        m_on = true;
        firstLine() = i + m_def.firstLineOffset;
        if (m_def.kind == Kind::AbendLog) {
            m_ctx.model.HasAbendLog = true;
        }
    }
    if (m_on && i >= firstLine()) {
        // Separator lines are skipped; empty lines are part of the file.
        if (!reporttext::beginsWith(line, u'-')) {
            take(m_ctx.line(i));
        }
    }
    if (m_on && m_ctx.has(i + 1, m_endMarker)) {
        m_on = false;
    }
}

void EmbeddedFileRecogniser::take(const QString& line) {
    (m_ctx.model.*m_def.target).append(line);
    if (m_def.kind == Kind::ConfigSys) {
        configSysRule(line);
    }
}

void EmbeddedFileRecogniser::configSysRule(const QString& line) {
    if (m_menuSeen) {
        return;
    }
    const QString trimmed = line.trimmed();
    if (caserules::startsWithIgnoreCase(trimmed, QStringLiteral("[menu]"))) {
        m_menuSeen = true;  // devices of a boot menu are the user's choice
        return;
    }
    if (!m_deviceWarned && caserules::startsWithIgnoreCase(trimmed, QStringLiteral("device"))) {
        m_ctx.addSuggestion(QStringLiteral("No DOS devices should be loaded in CONFIG.SYS."));
        m_deviceWarned = true;
    }
}
