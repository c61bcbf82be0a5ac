#include "reports/htmlpage.h"

#include "analysis/analysisviews.h"
#include "engine/engine.h"
#include "reports/htmlstyle.h"
#include "reports/htmlwriter.h"
#include "reports/summarydocument.h"

#include <QFile>

namespace htmlpage {

namespace {

// The word beside a colour, so the page reads the same without colour.
QString setWord(int index) {
    return index >= colourtable::kSetColours - 1
               ? QStringLiteral("set %1 or later").arg(colourtable::kSetColours)
               : QStringLiteral("set %1").arg(index + 1);
}

void heading(HtmlWriter& out, const QString& id, const QString& caption) {
    out.markup(u"\n<section id=\"").markup(id).markup(u"\">\n");
    out.element(u"h2", caption.trimmed()).markup(u"\n");
}

void endSection(HtmlWriter& out) {
    out.markup(u"</section>\n");
}

void none(HtmlWriter& out, const QString& what) {
    out.element(u"p", what, u"none").markup(u"\n");
}

// Lines shown one below the other, blanks kept.
void lines(HtmlWriter& out, const QStringList& rows, QStringView cssClass) {
    out.markup(u"<div class=\"lines ").markup(cssClass).markup(u"\">\n");
    for (const QString& row : rows) {
        out.element(u"div", row).markup(u"\n");
    }
    out.markup(u"</div>\n");
}

void titleBlock(HtmlWriter& out, Engine& engine) {
    const QList<ReportParagraph> p = engine.summary().printedDocument().paragraphs;
    out.markup(u"<header>\n<h1>").text(p.value(2).text.trimmed()).markup(u"<br>");
    out.text(p.value(3).text.trimmed()).markup(u"</h1>\n");
    out.element(u"p", p.value(4).text.trimmed(), u"sub").markup(u"\n");
    out.element(u"p", p.value(5).text.trimmed(), u"sub").markup(u"\n</header>\n");
}

void serverInfo(HtmlWriter& out, const MainViews& v) {
    heading(out, QStringLiteral("server"), QStringLiteral("Server Info"));
    const std::pair<const char16_t*, QString> rows[] = {
        {u"Server Name", v.ServNameEdit}, {u"OS Version", v.OSVerEdit},
        {u"Engine Type", v.EngTypeEdit},  {u"Internal Net", v.IntNetEdit},
        {u"Total Memory", v.TotMemEdit},  {u"License", v.LicEdit}};
    out.markup(u"<table>\n");
    for (const auto& [label, value] : rows) {
        out.markup(u"<tr><th scope=\"row\">").markup(label).markup(u"</th>");
        out.element(u"td", value).markup(u"</tr>\n");
    }
    out.markup(u"</table>\n");
    out.element(u"p", v.ConfigDateLabel).element(u"p", v.ConfigDXPLabel).markup(u"\n");
    endSection(out);
}

void suggestions(HtmlWriter& out, const MainViews& v, const QStringList& suggestions) {
    heading(out, QStringLiteral("suggestions"), v.SuggestionGroupBox);
    out.markup(u"<div class=\"lines suggestions\">\n");
    for (const QString& line : suggestions) {
        out.element(u"div", line, line.startsWith(ServerModel::Bullet) ? u"bullet" : u"");
        out.markup(u"\n");
    }
    out.markup(u"</div>\n");
    out.element(u"p", summarydocument::Note, u"sub").markup(u"\n");
    endSection(out);
}

void outOfDate(HtmlWriter& out, const QList<OutOfDateModule>& modules) {
    heading(out, QStringLiteral("outofdate"), QStringLiteral("Out-of-date core modules"));
    if (modules.isEmpty()) {
        none(out, QStringLiteral("None found."));
    } else {
        out.markup(
            u"<table>\n<tr><th>Module</th><th>Version found</th><th>Current version</th>"
            u"<th>Update file</th></tr>\n");
        for (const OutOfDateModule& m : modules) {
            out.markup(u"<tr>").element(u"td", m.module, htmlstyle::OutOfDateClass);
            out.element(u"td", m.found).element(u"td", m.current).element(u"td", m.updateFile);
            out.markup(u"</tr>\n");
        }
        out.markup(u"</table>\n");
    }
    endSection(out);
}

// A row of a coloured view: the text in its colour, and the word for the colour beside it.
// Rows are kept short (the table's class styles the cells): a big report has many.
void colouredRow(HtmlWriter& out, const QString& text, const QString& cssClass,
                 const QString& word) {
    if (cssClass.isEmpty()) {
        out.markup(u"<tr><td>").text(text).markup(u"</td><td></td></tr>\n");
        return;
    }
    out.open(u"tr", u"class", cssClass).markup(u"<td>").text(text).markup(u"</td><td>");
    out.text(word).markup(u"</td></tr>\n");
}

void patchRows(HtmlWriter& out, const QList<analysisviews::PatchRow>& rows, QStringView head) {
    out.markup(u"<table class=\"rows\">\n<tr><th>").markup(head);
    out.markup(u"</th><th>Complete set</th></tr>\n");
    for (const analysisviews::PatchRow& row : rows) {
        colouredRow(out, row.text, row.colour ? htmlstyle::setClass(*row.colour) : QString(),
                    row.colour ? setWord(*row.colour) : QString());
    }
    out.markup(u"</table>\n");
}

void patches(HtmlWriter& out, Engine& engine) {
    heading(out, QStringLiteral("patches"), engine.views().PatchesLabel);
    if (engine.views().PatchListBoxVisible) {
        lines(out, engine.model().PatchEntries.lines(), u"mono");
    } else {
        patchRows(out, analysisviews::patchRows(engine.analysis().PatchAnalysisList.lines()),
                  u"Patch");
    }
    endSection(out);
}

void otherModules(HtmlWriter& out, Engine& engine) {
    heading(out, QStringLiteral("modules"), engine.views().OtherDXPLabel);
    out.element(u"p", QStringLiteral("(Yellow = Drivers, Red = Out of date DXPs)"), u"sub");
    out.markup(u"\n<table class=\"rows\">\n<tr><th>Module</th><th>Marked</th></tr>\n");
    const QStringList& outOfDate = engine.analysis().OutOfDateModules;
    // A big module list is read in its compact form, never made a string a line.
    engine.model().OtherModules.forEachLine([&out, &outOfDate](const QString& line) {
        using colourtable::ModuleColour;
        const ModuleColour colour = analysisviews::moduleColour(line, outOfDate);
        if (colour == ModuleColour::Driver) {
            colouredRow(out, line, htmlstyle::DriverClass, QStringLiteral("driver"));
        } else if (colour == ModuleColour::OutOfDate) {
            colouredRow(out, line, htmlstyle::OutOfDateClass, QStringLiteral("out of date"));
        } else {
            colouredRow(out, line, QString(), QString());
        }
    });
    out.markup(u"</table>\n");
    endSection(out);
}

void patchSets(HtmlWriter& out, const AnalysisState& a) {
    heading(out, QStringLiteral("sets"), QStringLiteral("Complete Patch Sets In Config"));
    if (a.CompleteSets.isEmpty()) {
        none(out, QStringLiteral("None."));
    } else {
        patchRows(out, analysisviews::completeSetRows(a.CompleteSets), u"Patch set");
    }
    out.markup(u"<h3>Partial Set Matches</h3>\n");
    if (a.PartialMatches.isEmpty()) {
        none(out, QStringLiteral("None."));
    } else {
        lines(out, a.PartialMatches, u"mono");
    }
    endSection(out);
}

void volumes(HtmlWriter& out, const MainViews& v) {
    heading(out, QStringLiteral("volumes"), QStringLiteral("Volume Info"));
    out.element(u"p", v.VolCountLabel, u"sub").markup(u"\n");
    QStringList head;
    for (const QString& caption : v.VolumeHeader) {
        head << caption.trimmed();
    }
    out.element(u"p", head.join(QStringLiteral(" | ")), u"sub").markup(u"\n");
    lines(out, v.VolListBox, u"mono");
    out.markup(
        u"<h3>Interrupts</h3>\n<p class=\"sub\">Priority of ints: 0, 1, 2/9, 10, 11, 12, "
        u"13, 14, 15, 3, 4, 5, 6, 7</p>\n<p class=\"sub\">Interrupt | Device Type | "
        u"Driver | Mirror Status</p>\n");
    lines(out, v.IntListBox, u"mono");
    endSection(out);
}

void embeddedFiles(HtmlWriter& out, const ServerModel& m) {
    heading(out, QStringLiteral("files"), QStringLiteral("Embedded files"));
    const std::pair<const char16_t*, const QStringList*> files[] = {
        {u"STARTUP.DXS", &m.StartupDxs},
        {u"SYS:SYSTEM\\AUTOEXEC.DXS", &m.AutoexecDxs},
        {u"C:AUTOEXEC.DXS", &m.DosAutoexecDxs},
        {u"CONFIG.SYS", &m.ConfigSys},
        {u"AUTOEXEC.BAT", &m.AutoexecBat}};
    for (const auto& [name, text] : files) {
        out.markup(u"<details>\n<summary>").markup(name);
        out.markup(QStringLiteral(" (%1 lines)</summary>\n<pre>").arg(text->size()));
        for (const QString& line : *text) {
            out.text(line).markup(u"\n");
        }
        out.markup(u"</pre>\n</details>\n");
    }
    endSection(out);
}

void abendSummary(HtmlWriter& out, Engine& engine) {
    if (!engine.model().HasAbendLog) {
        return;
    }
    engine.abendLog().activate();
    const AbendView& view = engine.abendLog().view();
    heading(out, QStringLiteral("abends"), QStringLiteral("Abend summary"));
    out.element(u"p", view.countLabel).markup(u"\n");
    if (!view.entries.isEmpty()) {
        out.markup(u"<table>\n<tr>");
        for (const QString& caption : AbendView::ColumnCaptions) {
            out.element(u"th", caption);
        }
        out.markup(u"</tr>\n");
        for (const AbendEntry& e : view.entries) {
            out.markup(u"<tr>").element(u"td", e.DateTimeAndServer).element(u"td", e.AbendMessage);
            out.element(u"td", e.RunningProcess).markup(u"</tr>\n");
        }
        out.markup(u"</table>\n");
    }
    out.markup(u"<details>\n<summary>Abend section of the report</summary>\n<pre>");
    for (const QString& line : engine.model().AbendLogLines) {
        out.text(line).markup(u"\n");
    }
    out.markup(u"</pre>\n</details>\n");
    endSection(out);
}

}  // namespace

bool write(Engine& engine, QIODevice& device) {
    HtmlWriter out(device);
    const MainViews& v = engine.views();
    const ServerModel& m = engine.model();
    htmlstyle::writeHead(out, QStringLiteral("Cartovex summary report: ") + v.ServNameEdit);
    out.markup(u"<main>\n");
    titleBlock(out, engine);
    serverInfo(out, v);
    suggestions(out, v, m.Suggestions);
    outOfDate(out, engine.analysis().OutOfDateDetails);
    patches(out, engine);
    otherModules(out, engine);
    patchSets(out, engine.analysis());
    volumes(out, v);
    embeddedFiles(out, m);
    abendSummary(out, engine);
    out.markup(u"</main>\n</body>\n</html>\n");
    return out.flush();
}

QString save(Engine& engine, const QString& path) {
    // Written in place and not synced to disk as the databases are: a page is output that a
    // rerun makes again, and a sync or a rename per page would make a fleet's thousand pages
    // slow. A page that could not be written whole is removed.
    QFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && write(engine, file);
    file.close();
    if (!ok || file.error() != QFileDevice::NoError) {
        QFile::remove(path);
        return QStringLiteral("Unable to write to ") + path;
    }
    return {};
}

}  // namespace htmlpage
