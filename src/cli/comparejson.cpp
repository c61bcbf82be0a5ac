#include "comparejson.h"

namespace comparejson {

QJsonArray headers(const CompareTable& table) {
    return QJsonArray{table.leftHeader, table.rightHeader};
}

QJsonArray table(const CompareTable& table) {
    QJsonArray rows;
    for (const CompareRow& row : table.rows) {
        rows.append(
            QJsonObject{{"left", row.caption}, {"right", row.subText}, {"marked", row.marked}});
    }
    return rows;
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
