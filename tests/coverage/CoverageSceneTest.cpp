#include "Coverage.h"
#include "ItemGroup.h"
#include "KMVDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

class CoverageScene : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_document.SetTitle("*Pilot A1");
    ASSERT_TRUE(m_document.OnNewDocument());
  }

  CProject& Project() { return m_document.GetProject(); }

  CKMVDocument m_document;
};

double DistanceFromPlane(const CVectorArray& surface, const CVector& p)
{
  CVector normal = Cross(surface[1] - surface[0], surface[2] - surface[0]);
  return std::fabs(normal.Dot(p - surface[0])) / normal.Length();
}

TEST_F(CoverageScene, EachPatchNamesTheSurfaceCad1ClippedItAgainst)
{
  std::optional<CCoverageScene> scene = CollectCoverageScene(Project().GetRoot(), Project().GetModules().m_cad1);
  ASSERT_TRUE(scene);
  ASSERT_TRUE(scene->bTargetsKnown);
  ASSERT_FALSE(scene->patches.empty());
  for (const CScenePatch& patch : scene->patches) {
    ASSERT_LT(patch.target, scene->targets.size()) << patch.strName;
    for (const CVector& v : patch.vertices)
      EXPECT_LT(DistanceFromPlane(scene->targets[patch.target].vertices, v), 1e-9) << patch.strName;
  }
}

TEST_F(CoverageScene, ResultsChangedSinceTheRunLeaveEveryPatchWithoutTarget)
{
  const CModuleCAD1& cad1 = Project().GetModules().m_cad1;
  auto* results = Project().GetRoot().FindByPath(cad1.m_paths[13])->AsGroup();
  ASSERT_NE(results, nullptr);
  results->RemoveAllChildren();
  std::optional<CCoverageScene> scene = CollectCoverageScene(Project().GetRoot(), cad1);
  ASSERT_TRUE(scene);
  EXPECT_FALSE(scene->bTargetsKnown);

  ASSERT_EQ(Project().RunModule(CModuleTable::RunIndexOf("CAD1")).status, 0);
  std::optional<CCoverage> coverage = AnalyseCoverage(Project());
  ASSERT_TRUE(coverage);
  EXPECT_EQ(coverage->nUnassigned, 0u);
  double watched = 0.0;
  for (const CTargetCoverage& target : coverage->targets)
    watched += target.coverage.watched;
  EXPECT_GT(watched, 0.0);
}

constexpr size_t kPilotC1BlindSpots = 6;

// On doubles, Boost.Geometry 1.81 lost every blind spot of this model in
// the difference; the figures must add up with shadows and without.
TEST(CoverageGuard, PilotC1KeepsItsBlindSpotsAndItsAreasAddUp)
{
  CKMVDocument document;
  document.SetTitle("*Pilot C1");
  ASSERT_TRUE(document.OnNewDocument());
  for (bool bShadows : {false, true}) {
    std::optional<CCoverage> coverage = AnalyseCoverage(document.GetProject(), bShadows);
    ASSERT_TRUE(coverage);
    size_t spots = 0;
    for (const CTargetCoverage& entry : coverage->targets) {
      const CSurfaceCoverage& c = entry.coverage;
      spots += c.blindSpots.size();
      EXPECT_NEAR(c.watched + c.blindArea, c.area, 1e-6 * c.area + 1e-5) << entry.target.strPath;
      EXPECT_EQ(c.nGuarded, 0u) << entry.target.strPath << " " << c.nSkipped;
    }
    EXPECT_GE(spots, kPilotC1BlindSpots) << bShadows;
  }
}

// The project's targets are measured on several threads: each target's
// figures and parts are those its measurement on the caller's thread gives.
TEST_F(CoverageScene, TargetsOnAllCoresMeasureAsOnOne)
{
  std::optional<CCoverage> parallel = AnalyseCoverage(Project());
  std::optional<CCoverageScene> scene = CollectCoverageScene(Project().GetRoot(), Project().GetModules().m_cad1);
  ASSERT_TRUE(parallel && scene);
  CCoverage serial = AnalyseCoverage(*scene);
  ASSERT_EQ(parallel->targets.size(), serial.targets.size());
  for (size_t t = 0; t < serial.targets.size(); ++t) {
    const CSurfaceCoverage& a = parallel->targets[t].coverage;
    const CSurfaceCoverage& b = serial.targets[t].coverage;
    EXPECT_EQ(parallel->targets[t].target.strPath, serial.targets[t].target.strPath);
    EXPECT_EQ(std::make_tuple(a.watched, a.hidden, a.blindArea, a.overlap, a.patchParts.size(), a.shadowed.size()),
              std::make_tuple(b.watched, b.hidden, b.blindArea, b.overlap, b.patchParts.size(), b.shadowed.size()));
  }
}

} // namespace
