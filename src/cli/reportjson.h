#pragma once

#include "model/mainviews.h"
#include "model/servermodel.h"
#include "ui/recordingdialogs.h"

#include <QJsonArray>
#include <QJsonObject>
#include <optional>

// The JSON form of an analysed report: the model, the views and the messages shown.
namespace reportjson {

QJsonArray strings(const QStringList& lines);
QJsonArray strings(const SortedTextList& list);
QJsonObject model(const ServerModel& model);
QJsonObject views(const MainViews& views);
QJsonArray messages(const QList<RecordingDialogs::Message>& messages);

}  // namespace reportjson
