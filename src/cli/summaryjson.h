#pragma once

#include "reports/summaryreport.h"

#include <QJsonObject>

// The JSON form of the summary report: the clipboard text (CR LF breaks) and the printed
// document's paragraphs.
namespace summaryjson {

QJsonObject summaryReport(const SummaryReport& report);

}  // namespace summaryjson
