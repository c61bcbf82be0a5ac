#pragma once

#include "report/embeddedfilerecogniser.h"
#include "report/linemarker.h"
#include "report/linerecogniser.h"

#include <vector>

// The six embedded-file recognisers run one after the other on each line. While none of them
// is inside its file, a line without "Top of file. [" concerns none of them, so the group
// answers for all six with one test; otherwise each runs in its turn.
class EmbeddedFileGroup : public LineRecogniser {
  public:
    explicit EmbeddedFileGroup(ParseContext& context);
    void onLine(int i) override;

  private:
    void look(int i);
    bool anyOn() const;

    LineMarker m_anyTop;
    int m_sharedFirstLine = 0;
    std::vector<EmbeddedFileRecogniser> m_files;
};
