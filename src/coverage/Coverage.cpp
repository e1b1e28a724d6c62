#include "Coverage.h"

#include "ParallelIndices.h"
#include "Project.h"
#include "RaisedFloor.h"

#include <algorithm>
#include <thread>

CShadowCasters ShadowCastersOf(const CCoverageScene& scene, size_t t)
{
  CShadowCasters casters{scene.centre, {}};
  for (size_t other = 0; other < scene.targets.size(); ++other)
    if (other != t)
      casters.occluders.push_back(&scene.targets[other].vertices);
  return casters;
}

CSurfaceCoverage AnalyseTarget(const CCoverageScene& scene, size_t t, const std::vector<const CVectorArray*>& patches,
                               bool bShadows, double height)
{
  // The original targets cast the shadows at any height: the raised copies
  // would hide the walls' lower parts.
  CShadowCasters casters = ShadowCastersOf(scene, t);
  const CShadowCasters* shadows = bShadows ? &casters : nullptr;
  if (!(height > 0.0) || !IsFloorTarget(scene.targets[t].vertices))
    return AnalyseSurface(scene.targets[t].vertices, patches, shadows);
  CRaisedFloor raised = RaiseFloor(scene, scene.targets[t].vertices, height);
  std::vector<const CVectorArray*> raisedPatches;
  for (const CVectorArray& patch : raised.patches)
    raisedPatches.push_back(&patch);
  return AnalyseSurface(raised.vertices, raisedPatches, shadows);
}

CCoverage AnalyseCoverage(const CCoverageScene& scene, bool bShadows, double height, size_t threads)
{
  std::vector<std::vector<const CVectorArray*>> onTarget(scene.targets.size());
  CCoverage coverage;
  coverage.height = height > 0.0 ? height : 0.0;
  for (const CScenePatch& patch : scene.patches) {
    if (patch.target < onTarget.size())
      onTarget[patch.target].push_back(&patch.vertices);
    else
      ++coverage.nUnassigned;
  }
  std::vector<CSurfaceCoverage> measured(scene.targets.size());
  ForEachIndex(scene.targets.size(), threads,
               [&](size_t t) { measured[t] = AnalyseTarget(scene, t, onTarget[t], bShadows, coverage.height); });
  for (size_t t = 0; t < scene.targets.size(); ++t)
    coverage.targets.push_back({scene.targets[t], std::move(measured[t])});
  return coverage;
}

size_t AllCores()
{
  return std::max(1u, std::thread::hardware_concurrency());
}

std::optional<CCoverage> AnalyseCoverage(CProject& project, bool bShadows, double height)
{
  std::optional<CCoverageScene> scene = CollectCoverageScene(project.GetRoot(), project.GetModules().m_cad1);
  if (!scene)
    return std::nullopt;
  return AnalyseCoverage(*scene, bShadows, height, AllCores());
}
