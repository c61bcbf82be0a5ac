#pragma once

#include "report/linerecogniser.h"
#include "report/volumeparsestate.h"

struct VolumeRecord;

// Once the table is done and every record has its statistics: the volume rows, the heading,
// the count label and the purge suggestions.
class VolumeOutput : public LineRecogniser {
  public:
    VolumeOutput(ParseContext& context, VolumeParseState& state)
        : LineRecogniser(context), m_state(state) {}
    void onLine(int i) override;

  private:
    void showRecord(const VolumeRecord& record);
    void purgeRule(const VolumeRecord& record);

    VolumeParseState& m_state;
};
