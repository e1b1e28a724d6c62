#include "SurfaceChoice.h"

#include "Coverage.h"
#include "CoverageScene.h"
#include "Project.h"
#include "SurfaceCoverage.h"

#include <algorithm>

bool CSurfaceChoice::Includes(const CSceneTarget& target) const
{
  if (paths.empty())
    return IsFloorTarget(target.vertices);
  return std::find(paths.begin(), paths.end(), LinkPath(target.strPath)) != paths.end();
}

CWatchedSum SumWatched(CProject& project, const CSurfaceChoice& choice)
{
  CWatchedSum sum;
  std::optional<CCoverageScene> scene = CollectCoverageScene(project.GetRoot(), project.GetModules().m_cad1);
  if (!scene)
    return sum;
  for (size_t t = 0; t < scene->targets.size(); ++t) {
    if (!choice.Includes(scene->targets[t]))
      continue;
    std::vector<const CVectorArray*> patches;
    for (const CScenePatch& patch : scene->patches)
      if (patch.target == t)
        patches.push_back(&patch.vertices);
    CShadowCasters casters = ShadowCastersOf(*scene, t);
    CSurfaceCoverage coverage =
        AnalyseSurface(scene->targets[t].vertices, patches, choice.bShadows ? &casters : nullptr);
    sum.area += coverage.area;
    sum.watched += coverage.watched;
  }
  return sum;
}

CWatchedSum SumWatched(const CCoverage& coverage, const CSurfaceChoice& choice)
{
  CWatchedSum sum;
  for (const CTargetCoverage& entry : coverage.targets)
    if (choice.Includes(entry.target)) {
      sum.area += entry.coverage.area;
      sum.watched += entry.coverage.watched;
    }
  return sum;
}

std::optional<std::string> FindUnknownSurface(CProject& project, const CSurfaceChoice& choice)
{
  std::optional<CCoverageScene> scene = CollectCoverageScene(project.GetRoot(), project.GetModules().m_cad1);
  for (const std::string& path : choice.paths) {
    bool known = scene && std::any_of(scene->targets.begin(), scene->targets.end(),
                                      [&](const CSceneTarget& target) { return LinkPath(target.strPath) == path; });
    if (!known)
      return path;
  }
  return std::nullopt;
}
