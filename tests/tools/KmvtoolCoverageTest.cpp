#include "KmvtoolOutput.h"
#include "KmvtoolProcess.h"

#include <vector>

namespace {

using KmvtoolCoverage = KmvtoolTest;

TEST_F(KmvtoolCoverage, OneLinePerTargetSurfaceThenTheirTotal)
{
  CCommandResult result = Kmvtool("coverage '*Pilot C1' kw+ --csv " + Quote(Path("c.csv")));
  ASSERT_EQ(result.exitStatus, 0);
  std::vector<std::string> lines = Lines(result.output);
  ASSERT_EQ(lines.size(), 3u + 6u + 1u);
  EXPECT_EQ(lines[1], " KW:  1.0 \xC2\xB0");
  EXPECT_EQ(lines[3].rfind("Pilot_C1.Szene_(Raum_C1).Wandmontage.Boden ", 0), 0u);
  double area = 0.0, watched = 0.0;
  for (size_t i = 3; i < 9; ++i) {
    std::vector<std::string> words = Split(lines[i], ' ');
    ASSERT_EQ(words.size(), 5u) << lines[i];
    EXPECT_LE(std::stod(words[2]), std::stod(words[1])) << lines[i];
    area += std::stod(words[1]);
    watched += std::stod(words[2]);
  }
  std::vector<std::string> total = Split(lines[9], ' ');
  ASSERT_EQ(total.size(), 4u);
  EXPECT_EQ(total[0], "TOTAL");
  EXPECT_NEAR(std::stod(total[1]), area, 1e-5);
  EXPECT_NEAR(std::stod(total[2]), watched, 1e-5);

  std::vector<std::string> csv = Lines(Read("c.csv"));
  ASSERT_EQ(csv.size(), 1u + 6u);
  EXPECT_EQ(csv[0], "path,area,watched,percent,overlap,blind_spots,blind_area,skipped,hidden");
  for (size_t i = 1; i < csv.size(); ++i) {
    std::vector<std::string> fields = Split(csv[i], ',');
    ASSERT_EQ(fields.size(), 9u) << csv[i];
    std::vector<std::string> printed = Split(lines[i + 2], ' ');
    EXPECT_EQ(fields[0], printed[0]);
    EXPECT_EQ(fields[3], printed[3]);
    EXPECT_EQ(fields[7], "0");
  }
}

// Pilot B1's table hides floor from the sensor: the floor loses watched
// area to shadows, and without them the table's hidden floor counts again.
TEST_F(KmvtoolCoverage, ShadowsTakeTheHiddenFloorAndNoShadowsGivesItBack)
{
  CCommandResult shaded = Kmvtool("coverage '*Pilot B1' --csv " + Quote(Path("s.csv")));
  CCommandResult whole = Kmvtool("coverage '*Pilot B1' --no-shadows --csv " + Quote(Path("w.csv")));
  ASSERT_EQ(shaded.exitStatus, 0);
  ASSERT_EQ(whole.exitStatus, 0);
  std::vector<std::string> shadedCsv = Lines(Read("s.csv")), wholeCsv = Lines(Read("w.csv"));
  ASSERT_EQ(shadedCsv.size(), wholeCsv.size());
  double hidden = 0.0;
  for (size_t i = 1; i < shadedCsv.size(); ++i) {
    std::vector<std::string> s = Split(shadedCsv[i], ','), w = Split(wholeCsv[i], ',');
    ASSERT_EQ(s.size(), 9u);
    EXPECT_EQ(w[8], "0.000000") << wholeCsv[i];
    // What shadows take is exactly what they hide of the patches.
    EXPECT_NEAR(std::stod(w[2]) - std::stod(s[2]), std::stod(s[8]), 2e-6) << shadedCsv[i];
    hidden += std::stod(s[8]);
  }
  EXPECT_GT(hidden, 0.1);
}

TEST_F(KmvtoolCoverage, MapShowsUnwatchedAndWatchedCells)
{
  ASSERT_EQ(Kmvtool("coverage '*Pilot A1' --map " + Quote(Path("m.png")) + " --cell 0.1").exitStatus, 0);
  const CRgbImage map = ReadPng(Path("m.png"));
  const int grey = PixelsNear(map, {160, 160, 160}), single = PixelsNear(map, {255, 220, 60});
  // Most of the floor is unwatched: a fifth of it is watched (18.9 %).
  EXPECT_GT(grey, 3 * single);
  EXPECT_GT(single, 0);
}

TEST_F(KmvtoolCoverage, MapShowsShadowedFloorInAColourOfItsOwn)
{
  // Pilot B1's table hides floor that patches reach; without shadows none is.
  for (const std::string option : {"", " --no-shadows"}) {
    ASSERT_EQ(Kmvtool("coverage '*Pilot B1' --cell 0.1 --map " + Quote(Path("b.png")) + option).exitStatus, 0);
    const int shadowed = PixelsNear(ReadPng(Path("b.png")), {110, 150, 210});
    EXPECT_EQ(shadowed > 0, option.empty()) << option;
  }
}

TEST_F(KmvtoolCoverage, WrongUsageExitsWithTwo)
{
  const char* calls[] = {
      "coverage",
      "coverage '*Pilot A1' up",
      "coverage '*Pilot A1' --cell 0",
      "coverage '*Pilot A1' --cell -1",
      "coverage '*Pilot A1' --cell nan",
      "coverage '*Pilot A1' --cell",
      "coverage '*Pilot A1' --map",
      "coverage '*Pilot A1' --no-shadows --no-shadows",
  };
  for (const char* call : calls)
    EXPECT_EQ(Kmvtool(call).exitStatus, 2) << call;
  // 0.001 m cells would put far more than 4096 along the floor.
  EXPECT_EQ(Kmvtool("coverage '*Pilot A1' --cell 0.001 --map " + Quote(Path("m.png"))).exitStatus, 2);
  EXPECT_FALSE(std::filesystem::exists(Path("m.png")));
}

TEST_F(KmvtoolCoverage, SensorCsvNamesTheTargetOfEveryPatch)
{
  ASSERT_EQ(Kmvtool("sensor '*Pilot A1' --csv " + Quote(Path("s.csv"))).exitStatus, 0);
  std::vector<std::string> csv = Lines(Read("s.csv"));
  ASSERT_GT(csv.size(), 1u);
  for (size_t i = 1; i < csv.size(); ++i)
    EXPECT_EQ(Split(csv[i], ',')[1].rfind("Pilot A1.Szene (Raum A1).Wandmontage.", 0), 0u) << csv[i];
}

} // namespace

// Pilot B1's room: 0 prints what no option prints; a height that is no
// finite number of at least 0, or not below the limits, is refused in one
// line; a valid one keeps the floor lines' paths and their total.
TEST_F(KmvtoolCoverage, AtHeightZeroIsTheDefaultAndBadHeightsAreRefused)
{
  const std::string plain = Kmvtool("coverage '*Pilot B1'").output;
  EXPECT_EQ(Kmvtool("coverage '*Pilot B1' --at-height 0").output, plain);
  for (const char* height : {"-0.5", "nan", "inf", "1m", "40"}) {
    CCommandResult refused = Kmvtool(std::string("coverage '*Pilot B1' --at-height ") + height, true);
    EXPECT_EQ(refused.exitStatus, 2) << height;
    EXPECT_EQ(Lines(refused.output).size(), 1u) << height;
  }
  EXPECT_EQ(Kmvtool("coverage '*Pilot B1' --at-height").exitStatus, 2);
  EXPECT_EQ(Kmvtool("coverage '*Pilot B1' --at-height 1 --at-height 1").exitStatus, 2);
  std::vector<std::string> raised = Lines(Kmvtool("coverage '*Pilot B1' --at-height 1").output);
  std::vector<std::string> floor = Lines(plain);
  ASSERT_EQ(raised.size(), floor.size());
  for (size_t i = 3; i < floor.size(); ++i)
    EXPECT_EQ(Split(raised[i], ' ')[0], Split(floor[i], ' ')[0]);
}
