#pragma once

#include <QString>
#include <QStringList>

class Engine;

// One report's row of the fleet overview: its counts after the analysis, or the error that
// ended its load.
struct FleetRow {
    int number = 0;  // position among the reports, from 1
    QString file;
    QString serverName;
    QString osVersion;
    int patches = 0;
    int otherModules = 0;
    int completeSets = 0;
    int partialMatches = 0;
    int outOfDateModules = 0;
    int suggestions = 0;       // bullet lines of the suggestion list
    bool hasFindings = false;  // a suggestion other than "No suggestions at this time."
    QString error;             // null when the report loaded
    QString page;              // the server's HTML page, relative to the dashboard; or empty

    // The counts of the engine's open report.
    void fill(Engine& engine);
};

// True when the suggestion list holds a bullet line other than " • No suggestions at this
// time.": the analysis found something to act on.
bool hasFindings(const QStringList& suggestions);
