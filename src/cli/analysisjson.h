#pragma once

#include <QJsonObject>

class Engine;

// The JSON form of the analysis of a loaded report: the module check's and the patch set
// verification's lists, the manager's core module list and set names, and the coloured views.
namespace analysisjson {

QJsonObject analysis(Engine& engine);
// Adds OPatchListBox, OPatchSetsInConfigListBox, OOtherDXPListBox, PartialMatchesBtn and
// PatchListBoxVisible to the views object.
void addViews(QJsonObject& views, Engine& engine);

}  // namespace analysisjson
