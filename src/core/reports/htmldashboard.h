#pragma once

#include "reports/fleetrow.h"

#include <QString>
#include <QTemporaryFile>
#include <memory>

class HtmlWriter;

// The fleet dashboard, DIR/index.html: counts at the top, then one row per report in the
// order given, with the fleet columns, a status cell (colour and word) and a link to the
// server's own page in DIR/servers/. Rows are written to a file beside the page as they come,
// so a run over many reports holds one row at a time; finish() puts the page together. A small
// inline script sorts the table by the column whose heading is clicked; without it the table
// is complete and in argument order.
class HtmlDashboard {
  public:
    explicit HtmlDashboard(QString folder);
    ~HtmlDashboard();

    // Creates the folder and its servers/ folder. Returns the error message or a null string.
    QString begin();
    // The folder the server pages go into.
    QString serversFolder() const;
    // The page of report `number` for a server name, relative to the dashboard.
    static QString pagePath(int number, const QString& serverName);
    void add(const FleetRow& row);
    // Writes index.html. Returns the error message or a null string.
    QString finish();

  private:
    struct Counts {
        int reports = 0;
        int servers = 0;
        int outOfDate = 0;
        int partial = 0;
        int findings = 0;
        int failed = 0;
    };
    void writeCounts(HtmlWriter& out) const;

    QString m_folder;
    std::unique_ptr<QTemporaryFile> m_rows;
    std::unique_ptr<HtmlWriter> m_rowWriter;
    Counts m_counts;
};
