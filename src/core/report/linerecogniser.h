#pragma once

class ParseContext;

// One section recogniser of the report parser: it looks at every line in turn, with its own
// on/off state, and may look a few lines ahead.
class LineRecogniser {
  public:
    explicit LineRecogniser(ParseContext& context) : m_ctx(context) {}
    virtual ~LineRecogniser() = default;
    virtual void onLine(int i) = 0;

  protected:
    ParseContext& m_ctx;
};
