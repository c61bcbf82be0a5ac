#pragma once

#include "report/linerecogniser.h"

#include <QString>

// The report title line and the server information labels of the header.
class HeaderRecogniser : public LineRecogniser {
  public:
    using LineRecogniser::LineRecogniser;
    void onLine(int i) override;

  private:
    void look(int i);
    void serverName(const QString& value);
    void memory(int i, const QString& value);
    void lruSittingTime(const QString& line);
};
