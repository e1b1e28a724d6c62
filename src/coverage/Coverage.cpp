#include "Coverage.h"

#include "Project.h"

CCoverage AnalyseCoverage(const CCoverageScene& scene)
{
  std::vector<std::vector<const CVectorArray*>> onTarget(scene.targets.size());
  CCoverage coverage;
  for (const CScenePatch& patch : scene.patches) {
    if (patch.target < onTarget.size())
      onTarget[patch.target].push_back(&patch.vertices);
    else
      ++coverage.nUnassigned;
  }
  for (size_t t = 0; t < scene.targets.size(); ++t)
    coverage.targets.push_back({scene.targets[t], AnalyseSurface(scene.targets[t].vertices, onTarget[t])});
  return coverage;
}

std::optional<CCoverage> AnalyseCoverage(CProject& project)
{
  std::optional<CCoverageScene> scene = CollectCoverageScene(project.GetRoot(), project.GetModules().m_cad1);
  if (!scene)
    return std::nullopt;
  return AnalyseCoverage(*scene);
}
