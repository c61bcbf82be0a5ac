#pragma once

#include "report/linerecogniser.h"
#include "report/volumeparsestate.h"

struct VolumeRecord;

// A volume statistics block; the n-th block fills the n-th volume record.
class VolumeStatsRecogniser : public LineRecogniser {
  public:
    VolumeStatsRecogniser(ParseContext& context, VolumeParseState& state)
        : LineRecogniser(context), m_state(state) {}
    void onLine(int i) override;

  private:
    void look(int i);
    VolumeRecord* blockRecord();

    VolumeParseState& m_state;
    bool m_inBlock = false;
};
