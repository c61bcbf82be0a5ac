#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fixed texts of the main window's small windows (Interrupt Usage, Help, About, Partial
// Patch Set Matches), kept in the engine so that the tests read exactly what a user reads.
namespace windowtexts {

QString interruptUsageCaption();
QString interruptUsageGroup();
// "0 = System Timer" to "15 = Reserved (Daltrix)", one line per interrupt.
QStringList interruptUsageLines();

struct HelpSection {
    QString heading;  // "**** ... ****"
    QString body;
};
QString helpCaption();
QList<HelpSection> helpSections();
// The whole help text: each heading, an empty line, its body and an empty line.
QString helpText();

QString aboutCaption();
QString productName();
QString versionText();
QStringList aboutLines();

QString partialMatchesCaption();

}  // namespace windowtexts
