#pragma once

// The calls the report parser makes into other parts of the program: the patch database
// manager, the compare page, the module check, the patch analysis views. Each does nothing
// unless the program that owns the parse fills it in.
class ParseHooks {
  public:
    virtual ~ParseHooks() = default;
    // At the parse start: reread the core module list of the current database.
    virtual void ReadCoreModuleList() {}
    // At the parse start: empty the patch analysis lists, the patch set views and the abend
    // log window's copy of the log.
    virtual void clearAnalysisViews() {}
    // When the server name is read.
    virtual void RefreshBaselineControls() {}
    virtual bool baselineServerSet() const { return false; }
    // After the line loop.
    virtual void CheckModuleCurrency() {}
    // After the line loop, when the Config Analysis page is showing: focus the patch view.
    virtual void focusPatchView() {}
};
