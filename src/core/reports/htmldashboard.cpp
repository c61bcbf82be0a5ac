#include "reports/htmldashboard.h"

#include "reports/htmlescape.h"
#include "reports/htmlstyle.h"
#include "reports/htmlwriter.h"

#include <QDir>
#include <QSaveFile>

namespace {

// Sorts the table by the clicked column: numbers as numbers, text as text, ties in argument
// order; a second click reverses. It reads only the cells' text, never builds markup.
const QString SortScript = QStringLiteral(
    "(function(){var table=document.getElementById('fleet');var body=table.tBodies[0];"
    "var heads=table.tHead.rows[0].cells;"
    "Array.prototype.forEach.call(heads,function(th,col){"
    "var b=document.createElement('button');b.type='button';"
    "while(th.firstChild){b.appendChild(th.firstChild);}th.appendChild(b);"
    "b.addEventListener('click',function(){"
    "var asc=th.getAttribute('aria-sort')!=='ascending';"
    "Array.prototype.forEach.call(heads,function(h){h.removeAttribute('aria-sort');});"
    "th.setAttribute('aria-sort',asc?'ascending':'descending');"
    "var num=th.getAttribute('data-type')==='number';"
    "var rows=Array.prototype.slice.call(body.rows);"
    "var order=function(r){return parseInt(r.cells[0].textContent,10);};"
    "rows.sort(function(a,b){var x=a.cells[col].textContent,y=b.cells[col].textContent;"
    "var c=num?(parseFloat(x)||0)-(parseFloat(y)||0):x.localeCompare(y);"
    "return c!==0?(asc?c:-c):order(a)-order(b);});"
    "rows.forEach(function(r){body.appendChild(r);});});});})();");

// Status of a row: a colour class and the word that says the same.
std::pair<QStringView, QStringView> status(const FleetRow& r) {
    if (!r.error.isNull()) {
        return {u"failed", u"failed"};
    }
    if (r.outOfDateModules > 0) {
        return {u"problem", u"out of date"};
    }
    if (r.hasFindings || r.partialMatches > 0) {
        return {u"attention", u"suggestions"};
    }
    return {u"ok", u"ok"};
}

void number(HtmlWriter& out, int value) {
    out.markup(u"<td class=\"num\">").markup(QString::number(value)).markup(u"</td>");
}

}  // namespace

HtmlDashboard::HtmlDashboard(QString folder) : m_folder(std::move(folder)) {}

HtmlDashboard::~HtmlDashboard() = default;

QString HtmlDashboard::begin() {
    if (!QDir().mkpath(serversFolder())) {
        return QStringLiteral("Unable to write to ") + m_folder;
    }
    m_rows = std::make_unique<QTemporaryFile>(QDir(m_folder).filePath(".index-rows-XXXXXX"));
    if (!m_rows->open()) {
        return QStringLiteral("Unable to write to ") + m_folder;
    }
    m_rowWriter = std::make_unique<HtmlWriter>(*m_rows);
    return {};
}

QString HtmlDashboard::serversFolder() const {
    return QDir(m_folder).filePath(QStringLiteral("servers"));
}

QString HtmlDashboard::pagePath(int number, const QString& serverName) {
    return QStringLiteral("servers/") + htmlescape::pageFileName(number, serverName);
}

void HtmlDashboard::add(const FleetRow& r) {
    HtmlWriter& out = *m_rowWriter;
    ++m_counts.reports;
    const bool loaded = r.error.isNull();
    m_counts.servers += loaded ? 1 : 0;
    m_counts.failed += loaded ? 0 : 1;
    m_counts.outOfDate += loaded && r.outOfDateModules > 0 ? 1 : 0;
    m_counts.partial += loaded && r.partialMatches > 0 ? 1 : 0;
    m_counts.findings += loaded && r.hasFindings ? 1 : 0;
    out.markup(u"<tr>");
    number(out, r.number);
    out.element(u"td", r.file);
    if (r.page.isEmpty()) {
        out.element(u"td", r.serverName);
    } else {
        out.markup(u"<td>").open(u"a", u"href", r.page).text(r.serverName).markup(u"</a></td>");
    }
    out.element(u"td", r.osVersion);
    for (const int value : {r.patches, r.otherModules, r.completeSets, r.partialMatches,
                            r.outOfDateModules, r.suggestions}) {
        number(out, value);
    }
    const auto [cssClass, word] = status(r);
    out.markup(u"<td class=\"mark ").markup(cssClass).markup(u"\">").markup(word);
    out.markup(u"</td>").element(u"td", r.error, u"error").markup(u"</tr>\n");
}

void HtmlDashboard::writeCounts(HtmlWriter& out) const {
    const std::pair<int, const char16_t*> counts[] = {
        {m_counts.servers, u"servers"},
        {m_counts.outOfDate, u"with out-of-date core modules"},
        {m_counts.partial, u"with partial patch set matches"},
        {m_counts.findings, u"with suggestions"},
        {m_counts.failed, u"reports failed to load"}};
    out.markup(u"<ul class=\"counts\">\n");
    for (const auto& [value, what] : counts) {
        out.markup(u"<li><b>").markup(QString::number(value)).markup(u"</b> ").markup(what);
        out.markup(u"</li>\n");
    }
    out.markup(u"</ul>\n");
}

QString HtmlDashboard::finish() {
    const QString path = QDir(m_folder).filePath(QStringLiteral("index.html"));
    const QString error = QStringLiteral("Unable to write to ") + path;
    if (!m_rowWriter->flush() || !m_rows->seek(0)) {
        return error;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return error;
    }
    {
        HtmlWriter out(file);
        htmlstyle::writeHead(out, QStringLiteral("Cartovex fleet overview"), SortScript);
        out.markup(u"<main class=\"wide\">\n<h1>Cartovex fleet overview</h1>\n");
        out.element(u"p", QStringLiteral("%1 reports").arg(m_counts.reports), u"sub");
        out.markup(u"\n");
        writeCounts(out);
        out.markup(
            u"<table id=\"fleet\">\n<thead><tr><th data-type=\"number\">#</th><th>File</th>"
            u"<th>Server</th><th>OS version</th><th data-type=\"number\">Patches</th>"
            u"<th data-type=\"number\">Other modules</th><th data-type=\"number\">Complete "
            u"sets</th><th data-type=\"number\">Partial matches</th><th data-type=\"number\">"
            u"Out-of-date core modules</th><th data-type=\"number\">Suggestions</th>"
            u"<th>Status</th><th>Error</th></tr></thead>\n<tbody>\n");
        if (!out.flush()) {
            return error;
        }
        while (!m_rows->atEnd()) {
            const QByteArray chunk = m_rows->read(64 * 1024);
            if (chunk.isEmpty() || file.write(chunk) != chunk.size()) {
                return error;
            }
        }
        out.markup(u"</tbody>\n</table>\n</main>\n<script>").markup(SortScript);
        out.markup(u"</script>\n</body>\n</html>\n");
        if (!out.flush()) {
            return error;
        }
    }
    return file.commit() ? QString() : error;
}
