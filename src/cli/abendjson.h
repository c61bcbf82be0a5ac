#pragma once

#include "abendlog/abendview.h"

#include <QJsonObject>

// The JSON form of the abend log window's state, with every text as the window shows it.
namespace abendjson {

QJsonObject view(const AbendView& view);

}  // namespace abendjson
