#include "PlacementSearch.h"
#include "BuiltinModels.h"
#include "ModelResources.h"
#include "PlacementProject.h"
#include "ProjectCopy.h"
#include "StepLattice.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CPlacementOutcome Search(const std::string& text, std::vector<std::string> surfaces = {}, unsigned threads = 2)
{
  CPlacementRequest request;
  request.text = text;
  request.surfaces.paths = std::move(surfaces);
  request.nThreads = threads;
  return FindBestPlacement(request);
}

TEST(PlacementSearch, FindsTheOptimumKnownByHand)
{
  struct Case {
    double heightStep;
    std::vector<std::string> surfaces;
    unsigned threads;
    CStepCounts steps;
    double watched;
    double area;
  };
  const Case cases[] = {
      // Turned by 180 the front floor is watched as much: the fewer steps win.
      {0.5, {}, 1, {1, 0, 0}, 1.40625, 8.0},
      {0.5, {}, 2, {1, 0, 0}, 1.40625, 8.0},
      {0.5, {"P.V0.Front"}, 2, {1, 2, 0}, 1.40625, 4.0},
      {0.5, {"P.V0.Back"}, 1, {1, 0, 0}, 1.40625, 4.0},
      // Steps of 0.1 reach 2.4 only as 2.0 + 0.1 + 0.1 + 0.1 + 0.1.
      {0.1, {}, 2, {4, 0, 0}, 1.44, 8.0},
  };
  for (const Case& c : cases) {
    CPlacementOutcome outcome = Search(PlacementProject(c.heightStep), c.surfaces, c.threads);
    ASSERT_EQ(outcome.status, PlacementStatus::Found) << c.heightStep;
    EXPECT_EQ(outcome.steps, c.steps) << c.heightStep << " " << c.surfaces.size() << " " << c.threads;
    EXPECT_NEAR(outcome.best.watched, c.watched, 1e-9);
    EXPECT_NEAR(outcome.best.area, c.area, 1e-12);
    double height = 2.0;
    for (int k = 0; k < c.steps[0]; ++k)
      height += c.heightStep;
    EXPECT_EQ(outcome.values, (std::array<double, 3>{height, 90.0 * c.steps[1], 0.0}));
  }
  // Heights 1.5 to 4, turns -90 to 180, tilts -10 to 10.
  EXPECT_EQ(Search(PlacementProject(0.5)).nSettings, 6u * 4u * 3u);
}

// The zone on the back floor sends the patch to the front one; one over both
// floors, with the turn kept to 0 and 180 and the heights to those that
// reach a floor, leaves no setting free.
TEST(PlacementSearch, KeepsTheZonesFree)
{
  const std::string narrowed = NarrowedPlacementProject();
  struct Case {
    std::string text;
    PlacementStatus status;
    CStepCounts steps;
  } cases[] = {
      {PlacementProject(0.5), PlacementStatus::Found, {1, 0, 0}},
      {PlacementProject(0.5, "-3,-1 -1,-1 -1,1 -3,1"), PlacementStatus::Found, {1, 2, 0}},
      {narrowed, PlacementStatus::Found, {1, 0, 0}},
      {NarrowedPlacementProject("-3,-1 3,-1 3,1 -3,1"), PlacementStatus::NoFreeSetting, {}},
  };
  for (const Case& c : cases) {
    CPlacementRequest request;
    request.text = c.text;
    request.bKeepZonesFree = true;
    CPlacementOutcome outcome = FindBestPlacement(request);
    EXPECT_EQ(outcome.status, c.status);
    if (c.status == PlacementStatus::Found) {
      EXPECT_EQ(outcome.steps, c.steps);
    }
  }
}

TEST(PlacementSearch, AxesSharingANumberAreSteppedInTheOrderMhDwKw)
{
  // "dw+" raises the height too: 2.5 m is one step of "mh+" or of "dw+";
  // at equal steps the first setting in the order mh, dw, kw wins.
  std::string text = PlacementProject(0.5);
  text.replace(text.find("DW2 P.Turn 90"), 13, "DW2 P.Height 0.5");
  CProjectCopy copy(text);
  std::optional<CStepLattice> lattice = MapStepLattice(copy);
  ASSERT_TRUE(lattice);
  EXPECT_FALSE(lattice->bIndependent);
  CPlacementOutcome outcome = Search(text);
  EXPECT_EQ(outcome.steps, (CStepCounts{0, 1, 0}));
  EXPECT_NEAR(outcome.best.watched, 1.40625, 1e-9);
}

TEST(PlacementSearch, ReportsProgressAndStops)
{
  std::string text = PlacementProject(0.5);
  std::atomic<bool> cancel = false;
  std::vector<size_t> calls;
  CPlacementRequest request;
  request.text = text;
  request.pCancel = &cancel;
  request.progress = [&](size_t done, size_t total) {
    EXPECT_EQ(total, 72u);
    calls.push_back(done);
  };
  EXPECT_EQ(FindBestPlacement(request).status, PlacementStatus::Found);
  ASSERT_EQ(calls.size(), 72u);
  EXPECT_EQ(calls.back(), 72u);

  calls.clear();
  request.progress = [&](size_t done, size_t) {
    calls.push_back(done);
    cancel = done >= 10;
  };
  EXPECT_EQ(FindBestPlacement(request).status, PlacementStatus::Cancelled);
  EXPECT_LT(calls.size(), 72u);

  request.surfaces.paths = {"P.V0.Front", "P.V0.Side"};
  CPlacementOutcome unknown = FindBestPlacement(request);
  EXPECT_EQ(unknown.status, PlacementStatus::UnknownSurface);
  EXPECT_EQ(unknown.strUnknownSurface, "P.V0.Side");
}

TEST(StepLattice, BuiltinModelsStepFromTheirStartWithinTheirLimits)
{
  for (const char* model : {"*Pilot A1", "*Pilot B1", "*Pilot B2", "*Pilot C1"}) {
    CTextBuffer text;
    ASSERT_TRUE(LoadModelResource(FindBuiltinModelCode(model), text));
    CProjectCopy copy(text.View());
    std::optional<CStepLattice> lattice = MapStepLattice(copy);
    ASSERT_TRUE(lattice) << model;
    EXPECT_TRUE(lattice->bIndependent) << model;
  }
  // Pilot B1's height: 2.5 m, limits 1.5 and 4, steps of 0.1 added one by
  // one; the last step clamps at the limit.
  CTextBuffer text;
  ASSERT_TRUE(LoadModelResource(FindBuiltinModelCode("*Pilot B1"), text));
  CProjectCopy copy(text.View());
  const CAxisChain chain = MapStepLattice(copy)->axes[0];
  double height = 2.5;
  for (int k = 0; k < 9; ++k)
    height += -0.1;
  EXPECT_NE(height, 1.6);
  EXPECT_EQ(chain.Value(-9), height);
  EXPECT_EQ(chain.Lowest(), -10);
  EXPECT_EQ(chain.Value(-10), 1.5);
  EXPECT_EQ(chain.Value(15), 4.0);
  // The copy is back at the start.
  EXPECT_EQ(*copy.SteppedNumber(0, true), 2.5);
}

} // namespace
