#pragma once

#include "report/deviceparsestate.h"
#include "report/linerecogniser.h"

// The disk drive section: one interrupt line per disk device, each listed once.
class DiskDeviceRecogniser : public LineRecogniser {
  public:
    DiskDeviceRecogniser(ParseContext& context, DeviceParseState& state)
        : LineRecogniser(context), m_state(state) {}
    void onLine(int i) override;

  private:
    void look(int i);
    void deviceLine(int i, const QString& line);
    void closeDevice();

    DeviceParseState& m_state;
    bool m_on = false;
};
