#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The texts the main window shows for the open report, produced by the engine so that the
// window, the command line and the tests all see the same thing. Initial values are the
// window's designed captions.
struct MainViews {
    static const QString BaseCaption;
    static const std::array<QString, 5> DefaultVolumeHeader;
    // Characters of each column of an interrupt line but the last, which takes the rest: the
    // interrupt, the device type from column 9, the driver from column 26, the mirror status
    // from column 40. A window puts each heading over its column with them, in any font.
    static constexpr std::array<int, 3> InterruptColumns = {8, 17, 14};

    QString Caption = BaseCaption;

    // Server information boxes and labels of the analysis page.
    QString ServNameEdit;
    QString OSVerEdit;
    QString EngTypeEdit;
    QString IntNetEdit;
    QString TotMemEdit;
    QString LicEdit;
    QString ConfigDateLabel;
    QString ConfigDXPLabel;
    QString PatchesLabel = QStringLiteral("Patches");
    QString OtherDXPLabel = QStringLiteral("Other DXPs");
    QString SuggestionGroupBox = QStringLiteral("Suggestions");
    QString CompareConfigLabel;
    bool PatchListBoxVisible = true;
    bool PartialMatchesBtn = false;

    // Volumes and interrupts page.
    std::array<QString, 5> VolumeHeader = DefaultVolumeHeader;
    // Characters of each column of a volume row but the last; set with the heading.
    std::array<int, 4> VolumeColumns = {16, 30, 13, 15};
    QStringList VolListBox;
    QString VolCountLabel;
    QStringList IntListBox;

    // Status bar: 0 stage, 1 line count, 2 file size, 3 listings, 4 headers, 5 text search.
    std::array<QString, 6> StatusPanels;
};
