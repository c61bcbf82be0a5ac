#pragma once

// The analysis stages that a report load runs after the parse. Each does nothing unless the
// program that owns the load fills it in; a conversion error inside one ends the load.
class LoadStages {
  public:
    virtual ~LoadStages() = default;
    virtual void VerifyPatches() {}
    virtual void BuildSuggestions() {}
    // The load reset: empty the views that other parts own (abend log window, patch analysis).
    virtual void resetOwnedViews() {}
};
