#pragma once

#include "report/linerecogniser.h"
#include "report/volumeparsestate.h"

#include <QString>

// The volume table: one record per volume, its name-space rows joined.
class VolumeTableRecogniser : public LineRecogniser {
  public:
    VolumeTableRecogniser(ParseContext& context, VolumeParseState& state)
        : LineRecogniser(context), m_state(state) {}
    void onLine(int i) override;

  private:
    void look(int i);
    void row(const QString& line);

    VolumeParseState& m_state;
    bool m_inTable = false;
};
