#pragma once

#include <functional>

// Progress of a long operation, and the chance to let pending window messages be handled so
// the window repaints during it. The command line's implementation does nothing.
class Progress {
  public:
    virtual ~Progress() = default;
    virtual void start(int maximum) = 0;
    virtual void step() = 0;
    // Several steps at once, for a loop that reports every so many of its steps.
    virtual void advance(int steps) {
        for (int k = 0; k < steps; ++k) {
            step();
        }
    }
    virtual void finish() = 0;
    virtual void pumpEvents() = 0;
    // For a walk over many short items, where a pump for each would cost more than the item:
    // pumps on every 64th call only.
    void pumpEventsInWalk() {
        if ((++m_walkCalls & 63) == 0) {
            pumpEvents();
        }
    }
    // Runs a piece of work that cannot stop to let messages be handled (a big sort, decoding a
    // file). It must touch nothing the window reads while it runs. The window runs it on a
    // second thread and keeps repainting meanwhile; by default it simply runs.
    virtual void runAside(const std::function<void()>& work) { work(); }

  private:
    unsigned m_walkCalls = 0;
};

class NullProgress : public Progress {
  public:
    void start(int) override {}
    void step() override {}
    void advance(int) override {}
    void finish() override {}
    void pumpEvents() override {}
};
