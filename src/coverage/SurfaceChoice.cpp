#include "SurfaceChoice.h"

#include "Coverage.h"
#include "CoverageScene.h"
#include "Project.h"
#include "RaisedFloor.h"
#include "SurfaceCoverage.h"
#include "ZoneCoverage.h"

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
  std::vector<double> zoneWatched(choice.zones.size(), 0.0);
  for (size_t t = 0; t < scene->targets.size(); ++t) {
    const CVectorArray& vertices = scene->targets[t].vertices;
    bool chosen = choice.Includes(scene->targets[t]);
    bool zoned = !choice.zones.empty() && IsFloorTarget(vertices);
    if (!chosen && !zoned)
      continue;
    std::vector<const CVectorArray*> patches;
    for (const CScenePatch& patch : scene->patches)
      if (patch.target == t)
        patches.push_back(&patch.vertices);
    CSurfaceCoverage coverage = AnalyseTarget(*scene, t, patches, choice.bShadows, choice.height);
    if (chosen) {
      sum.area += coverage.area;
      sum.watched += coverage.watched;
    }
    if (zoned) {
      std::vector<double> watched = WatchedInZones(RaisedCopy(vertices, choice.height), coverage, choice.zones);
      for (size_t z = 0; z < watched.size(); ++z)
        zoneWatched[z] += watched[z];
    }
  }
  for (double watched : zoneWatched)
    sum.zoneWatched = std::max(sum.zoneWatched, watched);
  return sum;
}

CWatchedSum SumWatched(const CCoverage& coverage, const CSurfaceChoice& choice)
{
  CWatchedSum sum;
  std::vector<double> zoneWatched(choice.zones.size(), 0.0);
  for (const CTargetCoverage& entry : coverage.targets) {
    if (choice.Includes(entry.target)) {
      sum.area += entry.coverage.area;
      sum.watched += entry.coverage.watched;
    }
    if (!choice.zones.empty() && IsFloorTarget(entry.target.vertices)) {
      std::vector<double> watched =
          WatchedInZones(RaisedCopy(entry.target.vertices, coverage.height), entry.coverage, choice.zones);
      for (size_t z = 0; z < watched.size(); ++z)
        zoneWatched[z] += watched[z];
    }
  }
  for (double watched : zoneWatched)
    sum.zoneWatched = std::max(sum.zoneWatched, watched);
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
