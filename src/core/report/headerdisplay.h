#pragma once

#include "report/linerecogniser.h"

// Copies the header fields into the server information boxes once per parse, as soon as the
// header has ended.
class HeaderDisplay : public LineRecogniser {
  public:
    using LineRecogniser::LineRecogniser;
    void onLine(int i) override;

  private:
    void look(int);
};
