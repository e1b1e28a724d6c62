#include "Coverage.h"

#include "Project.h"

CShadowCasters ShadowCastersOf(const CCoverageScene& scene, size_t t)
{
  CShadowCasters casters{scene.centre, {}};
  for (size_t other = 0; other < scene.targets.size(); ++other)
    if (other != t)
      casters.occluders.push_back(&scene.targets[other].vertices);
  return casters;
}

CCoverage AnalyseCoverage(const CCoverageScene& scene, bool bShadows)
{
  std::vector<std::vector<const CVectorArray*>> onTarget(scene.targets.size());
  CCoverage coverage;
  for (const CScenePatch& patch : scene.patches) {
    if (patch.target < onTarget.size())
      onTarget[patch.target].push_back(&patch.vertices);
    else
      ++coverage.nUnassigned;
  }
  for (size_t t = 0; t < scene.targets.size(); ++t) {
    CShadowCasters casters = ShadowCastersOf(scene, t);
    coverage.targets.push_back(
        {scene.targets[t], AnalyseSurface(scene.targets[t].vertices, onTarget[t], bShadows ? &casters : nullptr)});
  }
  return coverage;
}

std::optional<CCoverage> AnalyseCoverage(CProject& project, bool bShadows)
{
  std::optional<CCoverageScene> scene = CollectCoverageScene(project.GetRoot(), project.GetModules().m_cad1);
  if (!scene)
    return std::nullopt;
  return AnalyseCoverage(*scene, bShadows);
}
