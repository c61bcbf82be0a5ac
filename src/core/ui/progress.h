#pragma once

// Progress of a long operation, and the chance to let pending window messages be handled so
// the window repaints during it. The command line's implementation does nothing.
class Progress {
  public:
    virtual ~Progress() = default;
    virtual void start(int maximum) = 0;
    virtual void step() = 0;
    virtual void finish() = 0;
    virtual void pumpEvents() = 0;
};

class NullProgress : public Progress {
  public:
    void start(int) override {}
    void step() override {}
    void finish() override {}
    void pumpEvents() override {}
};
