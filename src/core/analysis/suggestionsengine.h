#pragma once

#include "analysis/analysisstate.h"

#include <QString>
#include <QStringList>

class IniFile;
class MainViews;
class Progress;
class ServerModel;

// Turns the analysed server into advice: the patch level, risky SET parameters and start-up
// commands, SMP, old drivers and an embedded abend log, each appended to the suggestion list,
// and finally the heading above the list (or the line saying there is nothing to suggest).
class SuggestionsEngine {
  public:
    static const QString SupportSite;

    struct Inputs {
        const QStringList& knownPatchSets;  // PatchHeaderListBox, descending
        const IniFile& controlledDatabase;  // support pack versions
        bool uncontrolledMode;
    };

    SuggestionsEngine(ServerModel& model, AnalysisState& state, MainViews& views,
                      Progress& progress);

    // Throws OperationError when a number it reads (the OS version, a kit version, a driver's
    // year) is not one; nothing more is added then.
    void BuildSuggestions(const Inputs& inputs);

    // A line matches a text when it begins with it, ignoring case; leading blanks count.
    static bool matches(const QString& line, const QString& text);

  private:
    void patchLevel(const Inputs& inputs);
    void registerMemory();
    void reservedBuffers();
    void symmetricMultiprocessing();
    void faultParameters(const QString& line, const QString& place);
    void startupParameters();
    void autoexecParameters();
    void oldDrivers();
    void abendLog();
    void heading(const Inputs& inputs);
    void add(std::initializer_list<QString> lines);

    ServerModel& m_model;
    AnalysisState& m_state;
    MainViews& m_views;
    Progress& m_progress;
    bool m_is41x = false;
    bool m_atLeast411 = false;
    bool m_atLeast5 = false;
    bool m_smpLoaded = false;
};
