#pragma once

#include "compare/comparison.h"

#include <QJsonArray>
#include <QJsonObject>

// The JSON form of the Compare page: the table's headers and rows, and the controls' texts
// and flags as the window shows them.
namespace comparejson {

QJsonArray headers(const CompareTable& table);
QJsonArray table(const CompareTable& table);
QJsonObject views(const Comparison& comparison);

}  // namespace comparejson
