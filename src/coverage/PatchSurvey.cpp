#include "PatchSurvey.h"

#include "Coverage.h"
#include "CoverageScene.h"
#include "ItemPolygon.h"
#include "PolygonMeasure.h"
#include "Project.h"

namespace {

const CItemGroup* FindGroup(CItemGroup& root, const std::string& path)
{
  if (path.empty())
    return nullptr;
  CItemBase* entry = root.FindByPath(path);
  return entry ? entry->AsGroup() : nullptr;
}

} // namespace

std::vector<PatchInfo> SurveyPatches(CProject& project)
{
  return SurveyPatches(project.GetRoot(), project.GetModules().m_cad1);
}

std::vector<PatchInfo> SurveyPatches(CItemGroup& root, const CModuleCAD1& cad1)
{
  std::vector<PatchInfo> patches;
  const CItemGroup* results = FindGroup(root, cad1.m_paths[CModuleCAD1::kResultsField]);
  if (!results)
    return patches;
  std::optional<CCoverageScene> scene = CollectCoverageScene(root, cad1);
  for (const auto& child : results->Children()) {
    const auto* polygon = dynamic_cast<const CItemPolygon*>(child.get());
    if (!polygon)
      continue;
    PatchInfo patch;
    patch.strName = polygon->m_strName;
    patch.nVertices = polygon->m_vertices.size();
    patch.area = PolygonArea(polygon->m_vertices);
    patch.centroid = PolygonCentroid(polygon->m_vertices);
    // The scene lists the same polygons in the same order.
    size_t index = patches.size();
    patch.visible = patch.area;
    if (scene && index < scene->patches.size() && scene->patches[index].target < scene->targets.size()) {
      size_t target = scene->patches[index].target;
      patch.strTargetPath = scene->targets[target].strPath;
      CShadowCasters casters = ShadowCastersOf(*scene, target);
      CSurfaceCoverage alone = AnalyseSurface(scene->targets[target].vertices, {&polygon->m_vertices}, &casters);
      // Unshaded, the patch keeps its own area rather than its area on the grid.
      if (!alone.hiddenParts.empty())
        patch.visible = alone.watched;
    }
    patches.push_back(std::move(patch));
  }
  return patches;
}
