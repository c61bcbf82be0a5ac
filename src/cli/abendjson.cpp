#include "abendjson.h"

#include "reportjson.h"

#include "text/jsonstream.h"

#include <QJsonArray>

namespace abendjson {

namespace {

QJsonValue textView(AbendTextView shown) {
    switch (shown) {
        case AbendTextView::File:
            return QStringLiteral("file");
        case AbendTextView::Report:
            return QStringLiteral("report");
        case AbendTextView::None:
            break;
    }
    return QJsonValue();
}

QJsonArray entries(const QList<AbendEntry>& list) {
    return JsonStream::objectArray(list.size(), [list](qsizetype i) {
        const AbendEntry& e = list.at(i);
        return QJsonObject{{"DateTimeAndServer", e.DateTimeAndServer},
                           {"AbendMessage", e.AbendMessage},
                           {"RunningProcess", e.RunningProcess},
                           {"StartLine", e.StartLine}};
    });
}

}  // namespace

QJsonObject view(const AbendView& v) {
    QJsonArray panels;
    for (const QString& panel : v.statusPanels) {
        panels.append(panel);
    }
    return QJsonObject{{"title", v.title},
                       {"countLabel", v.countLabel},
                       {"count", int(v.entries.size())},
                       {"entries", entries(v.entries)},
                       {"statusPanels", panels},
                       {"textView", textView(v.textView)},
                       {"modulesLabel", v.modulesLabel},
                       {"modulesLoaded", reportjson::strings(v.ModulesLoaded.lines())},
                       {"analysisHeading", v.analysisHeading},
                       {"analysis", reportjson::strings(v.AbendAnalysis)}};
}

}  // namespace abendjson
