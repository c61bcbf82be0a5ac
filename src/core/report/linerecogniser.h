#pragma once

#include <QtGlobal>

class ParseContext;

// One section recogniser of the report parser: it looks at every line in turn, with its own
// on/off state, and may look a few lines ahead.
class LineRecogniser {
  public:
    explicit LineRecogniser(ParseContext& context) : m_ctx(context) {}
    virtual ~LineRecogniser() = default;
    virtual void onLine(int i) = 0;
    // While the recogniser waits for the start of its section it acts only on a line whose
    // character summary holds every bit of this one (0: it looks at every line), so the parser
    // need not call it on the others.
    quint64 wakeMask() const { return m_wakeMask; }

  protected:
    ParseContext& m_ctx;
    quint64 m_wakeMask = 0;
};
