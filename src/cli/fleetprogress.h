#pragma once

// The fleet's one-line progress, "n of N reports", on standard error when it is a terminal,
// redrawn at most ten times a second and cleared at the end. Before a message, and before a row
// when standard output is a terminal too, it is cleared so the text stands on a line of its own.
class FleetProgress {
  public:
    explicit FleetProgress(int total);
    void step();
    void clear();
    // Before a row is printed.
    void beforeRow();

  private:
    int m_total;
    int m_done = 0;
    bool m_shown = false;
    bool m_terminal = false;
    bool m_rowsOnTerminal = false;
    long long m_lastDraw = -1000;
};
