#include "comparejson.h"

#include "text/jsonstream.h"

namespace comparejson {

QJsonArray headers(const CompareTable& table) {
    return QJsonArray{table.leftHeader, table.rightHeader};
}

QJsonArray table(const CompareTable& table) {
    // One row at a time as it is written; the table must stay until then.
    return JsonStream::objectArray(table.rows.size(), [&table](qsizetype i) {
        const CompareRow& row = table.rows.at(i);
        return QJsonObject{{"left", row.caption}, {"right", row.subText}, {"marked", row.marked}};
    });
}

QJsonObject views(const Comparison& comparison) {
    const ComparePage& page = comparison.page();
    const CheckBoxState& box = page.BaselineCheckBox;
    return QJsonObject{
        {"BaselineConfigLabel", page.BaselineConfigLabel},
        {"CompareConfigLabel", comparison.CompareConfigLabel()},
        {"BaselineCheckBox",
         QJsonObject{{"text", box.text}, {"enabled", box.enabled}, {"checked", box.checked}}},
        {"ResetBaselineBtn", QJsonObject{{"enabled", page.ResetBaselineBtnEnabled}}},
        {"chkIncludeCompareDifferences", comparison.includeCompareDifferences()},
    };
}

}  // namespace comparejson
