#include "SensorUnion.h"

#include <gtest/gtest.h>

namespace {

CVectorArray Square(double x0, double y0, double x1, double y1)
{
  return {{x0, y0, 0.0}, {x1, y0, 0.0}, {x1, y1, 0.0}, {x0, y1, 0.0}};
}

const CVectorArray kFloor = Square(0, 0, 4, 4);

// One sensor's coverage of the 4 x 4 m floor, measured alone; the floor
// lies in the group of the sensor's mounting variant.
CCoverage Sensor(const std::string& variantGroup, const std::vector<CVectorArray>& patches)
{
  std::vector<const CVectorArray*> pointers;
  for (const CVectorArray& patch : patches)
    pointers.push_back(&patch);
  return {{{{"Raum." + variantGroup + ".Boden", kFloor}, AnalyseSurface(kFloor, pointers)}}, 0};
}

TEST(SensorUnionTest, WatchedIsTheUnionAndOverlapCountsSensors)
{
  const CCoverage a = Sensor("Wandmontage", {Square(0, 0, 2, 2), Square(1, 0, 2, 2)});
  const CCoverage b = Sensor("Deckenmontage", {Square(1, 1, 3, 3)});
  const CCoverage c = Sensor("Eckmontage", {Square(3, 3, 4, 4)});
  const CCoverage d = Sensor("Wandmontage", {Square(1.5, 1.5, 2.5, 2.5)});
  struct {
    std::vector<CCoverage> sensors;
    double watched;
    int overlap;
    double blindArea;
  } cases[] = {
      {{a}, 4.0, 2, 12.0}, // one sensor: its patches counted as today
      {{a, b}, 7.0, 2, 9.0},
      {{a, b, c}, 8.0, 2, 8.0}, // c only touches b at a corner
      {{a, b, d}, 7.0, 3, 9.0}, // d lies within b, partly over a
      {{a, Sensor("Wandmontage", {})}, 4.0, 1, 12.0},
  };
  for (const auto& test : cases) {
    const std::vector<std::optional<CCoverage>> each(test.sensors.begin(), test.sensors.end());
    // By number, or with any sensor united after the others: the same union.
    for (size_t last = 0; last <= each.size(); ++last) {
      const CCoverage united = *UniteSensors(each, last);
      ASSERT_EQ(united.targets.size(), 1u);
      const CSurfaceCoverage& floor = united.targets[0].coverage;
      EXPECT_EQ(united.targets[0].target.strPath, "Raum.Wandmontage.Boden");
      EXPECT_NEAR(floor.watched, test.watched, 1e-9) << test.sensors.size() << " " << last;
      EXPECT_EQ(floor.overlap, test.overlap) << test.sensors.size() << " " << last;
      EXPECT_NEAR(floor.blindArea, test.blindArea, 1e-9) << test.sensors.size() << " " << last;
    }
  }
}

// Floor hidden from one sensor but watched by another is no shadow of the
// union; floor hidden from a sensor and watched by none is.
TEST(SensorUnionTest, ShadowedIsWhatNoSensorWatches)
{
  auto sensor = [](const CVectorArray& watched, const std::vector<CVectorArray>& hidden) {
    CCoverage coverage = Sensor("Wandmontage", {});
    CSurfaceCoverage& floor = coverage.targets[0].coverage;
    floor.patchParts = {{watched, {}, 0.0}};
    for (const CVectorArray& part : hidden)
      floor.hiddenParts.push_back({part, {}, 0.0});
    floor.shadowed = floor.hiddenParts;
    return coverage;
  };
  const CCoverage united = UniteCoverage(
      {sensor(Square(0, 0, 2, 2), {Square(2, 0, 3, 2), Square(0, 3, 1, 4)}), sensor(Square(2, 0, 4, 2), {})});
  double shadowed = 0.0;
  for (const CPlanarRegion& part : united.targets[0].coverage.shadowed)
    shadowed += part.area;
  EXPECT_NEAR(shadowed, 1.0, 1e-9);
}

} // namespace
