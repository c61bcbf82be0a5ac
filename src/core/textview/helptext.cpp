#include "textview/windowtexts.h"

// The four sections of the help window. Plain text, lines of at most 80 characters, so the
// help reads the same in the window's fixed-pitch view and when copied.
namespace {

const char* const HowToUse =
    R"(Cartovex reads the configuration report of a Daltrix file server and tells you
what to look at: missing or incomplete patch sets, out-of-date modules, risky
SET parameters, start-up file advice, memory, volumes to purge and interrupt
conflicts.

1. On the server, run CFGDUMP.DXP (or CFGUTIL.DXP). It writes the plain-text
   report, usually named config.txt. Copy that file to this workstation.
2. Open it with File > Open or the first toolbar button, pick it from the
   recent files at the bottom of the File menu, drop it on the window, or
   name it when starting the program:  cartovex config.txt
3. Read the pages:
   - Config Analysis: the server's identity, the loaded patches coloured by
     the complete patch set they belong to, the other modules (yellow =
     drivers, red = out of date) and the complete patch sets. When a set is
     loaded only in part, "Partial Set Matches" lists how much of it is there.
   - Config Text: the report itself. Find (Ctrl+F), Find Next (F3), Find
     Previous (F4) and Goto Top work on the main viewer; the last toolbar
     button switches to the alternate viewer and back. The status bar shows
     the caret position as line:column.
   - DXS Files and DOS Files: the start-up files copied into the report.
     Click the AUTOEXEC.DXS panel to switch between the SYS:SYSTEM copy and
     the copy on the DOS partition (C:).
   - Vols/Ints: volumes with their free and purgeable space, and the
     interrupts of the drivers ("Standard Interrupt Usage" lists the usual
     PC assignments).
   - Suggestions: everything Cartovex recommends, one bullet per item.
   - Patches: the patch sets that the current patch database knows.
   - Compare: with one report open, tick "Use THIS server's config as a
     baseline", then press "Compare" and open the second report. Rows that
     differ are marked; tick "Include Differences..." on the Suggestions
     page to add the module differences to the suggestions.
4. Print the suggestions (Tools > Print) or copy them to the clipboard
   (Tools > Copy Suggestions To Clipboard) to pass them on.
5. Tools > Analyze DX 4.11+ Abend.log file explains the crashes recorded in a
   server's ABEND.LOG.

The checks are only as good as the patch database: keep it current with
Tools > FTP Wizard, or see "Manually downloading the controlled database".)";

const char* const Customizing =
    R"(Cartovex keeps two database files in its data directory ($CARTOVEX_HOME, or
else ~/.config/cartovex):
   quarixdb.ini  - the Quarix-controlled database. It is replaced as a whole
                   by every download and every manual update.
   CARTOVEX.INI  - the uncontrolled database, which only you change.
Help > DB Type? tells which of the two is in use; Tools > Options switches.

Changes typed straight into the controlled database on the "Patch Database"
page of the manager are lost at the next download. To add your own modules
(other vendors' modules, drivers, newer versions) use the "Customize
Database" page of Tools > Customize DB/Patch DB Manager instead:
 - Enter the module name, its current version, tick the OS versions it
   applies to and, if you like, the file that brings the update.
 - Your entries are kept in CARTOVEX.INI and copied into quarixdb.ini, marked
   with a "+" so they can be told apart from the maker's entries.
 - After a download or a manual update answer Yes when asked to sync, or
   press "Sync Databases" later; "Check Sync Status" shows whether every
   custom entry is in the controlled database.
Patch sets are added from a patch kit's text file with "Add Patch Set to
DB". If the count of patches found is wrong, answer No and select the lines
of module names in the kit file yourself.)";

const char* const ManualDownload =
    R"(Use this when the FTP Wizard cannot reach the maker's FTP server (a firewall
or a proxy in the way):
1. On any machine that can, fetch the file /outgoing/cartvxdb.ini from the
   maker's anonymous FTP server (log in as "anonymous").
2. Copy it to this workstation.
3. Choose Tools > Update Controlled DB After Manual Download (or the toolbar
   button with the same hint) and select the file.
Cartovex then copies it over quarixdb.ini, records today as the date of the
last download, sets the download frequency to "Never" (so it stops offering
the FTP download), makes the controlled database the current one and asks
whether to sync your custom entries into it: answer Yes unless you have none.
Your settings and recent files are written into the new file again.

With the frequency at "Never" Cartovex reminds you every Monday to download
the database yourself. To go back to automatic downloads set a frequency in
Tools > Options > Internet.)";

const char* const ReadingProblems = R"("The config file to be read has ASCII control characters..."
   The report was saved from an e-mail, and the mail header came with it.
   Open the file in a text editor, delete everything above the first line of
   the report, save it as plain text and open it again.
"Not all lines in the config file just opened have been read successfully"
   The file holds characters that do not belong in a text file (often from a
   transfer in binary mode or a damaged copy). Remove them, or copy the
   report from the server again, and reopen it.
"There is more than one unique config listing in the config file just read"
   The report tool appended its output to an old config.txt. Delete the file
   on the server and run CFGDUMP.DXP again, or cut the file down to the last
   listing; otherwise modules and patches of several runs get mixed.
"PAIRNODE configs are not supported!"
   Reports of a mirrored server pair (IOENGINE / MSENGINE) are shown, but
   the analysis does not fit them and its results are not correct.
Patches shown without colour and no complete sets:
   The current database has no patch sets for the server's OS version, or no
   database file exists. Download the database, or check Help > DB Type?.
Reports are read as Windows-1252 text, as the server writes them; a report
converted to another character set may show odd characters in names.)";

}  // namespace

namespace windowtexts {

QList<HelpSection> helpSections() {
    return {
        {QStringLiteral("**** HOW TO USE CARTOVEX ****"), QString::fromUtf8(HowToUse)},
        {QStringLiteral("**** ISSUES WITH CUSTOMIZING THE DATABASE ****"),
         QString::fromUtf8(Customizing)},
        {QStringLiteral("**** MANUALLY DOWNLOADING THE CONTROLLED DATABASE ****"),
         QString::fromUtf8(ManualDownload)},
        {QStringLiteral("**** PROBLEMS READING A CONFIG FILE ****"),
         QString::fromUtf8(ReadingProblems)},
    };
}

}  // namespace windowtexts
