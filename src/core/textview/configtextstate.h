#pragma once

#include <QString>

// What the report text page shows around its two viewers: whether the search buttons are
// enabled, whether the viewer switch is visible and its hint, and whether the caret position
// goes to the status bar. The main viewer is shown after start and after every load; the
// alternate viewer only after the switch, until it is switched back.
class ConfigTextState {
  public:
    static constexpr int FormPixelsPerInch = 96;

    void enterPage() { m_pageActive = true; }
    void leavePage() { m_pageActive = false; }
    void toggleViewer() { m_alternateShown = !m_alternateShown; }
    void showMainViewer() { m_alternateShown = false; }

    bool pageActive() const { return m_pageActive; }
    bool alternateShown() const { return m_alternateShown; }
    bool searchButtonsEnabled() const { return m_pageActive && !m_alternateShown; }
    bool showsPosition() const { return searchButtonsEnabled(); }
    bool switchVisible() const { return m_pageActive; }
    QString switchHint() const;

    // The caret position for the status bar, from the 0-based line and column: "120:7".
    static QString positionText(int line, int column);
    // The display resolution message of Alt+F1 / Alt+P.
    static QString resolutionMessage(int screenPixelsPerInch, int formPixelsPerInch);

  private:
    bool m_pageActive = false;
    bool m_alternateShown = false;
};
