#pragma once

#include "report/deviceparsestate.h"
#include "report/linerecogniser.h"

// The LAN driver section: one interrupt line per IRQ line of a driver.
class LanDriverRecogniser : public LineRecogniser {
  public:
    LanDriverRecogniser(ParseContext& context, DeviceParseState& state)
        : LineRecogniser(context), m_state(state) {}
    void onLine(int i) override;

  private:
    void look(int i);
    DeviceParseState& m_state;
    bool m_on = false;
};
