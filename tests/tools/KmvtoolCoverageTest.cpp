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
// area to shadows, exactly what they hide of the patches, and the map shows
// that floor in a colour of its own; without shadows it counts again.
TEST_F(KmvtoolCoverage, ShadowsTakeTheHiddenFloorAndNoShadowsGivesItBack)
{
  std::vector<std::string> csv[2];
  for (int shadows : {1, 0}) {
    const std::string option = shadows ? "" : " --no-shadows";
    ASSERT_EQ(Kmvtool("coverage '*Pilot B1' --cell 0.1 --map " + Quote(Path("m.png")) + " --csv " +
                      Quote(Path("c.csv")) + option)
                  .exitStatus,
              0);
    csv[shadows] = Lines(Read("c.csv"));
    const CRgbImage map = ReadPng(Path("m.png"));
    EXPECT_GT(PixelsNear(map, {255, 220, 60}), 0); // singly watched cells
    EXPECT_EQ(PixelsNear(map, {110, 150, 210}) > 0, shadows == 1);
  }
  ASSERT_EQ(csv[0].size(), csv[1].size());
  double hidden = 0.0;
  for (size_t i = 1; i < csv[1].size(); ++i) {
    std::vector<std::string> s = Split(csv[1][i], ','), w = Split(csv[0][i], ',');
    ASSERT_EQ(s.size(), 9u);
    EXPECT_EQ(w[8], "0.000000") << csv[0][i];
    EXPECT_NEAR(std::stod(w[2]) - std::stod(s[2]), std::stod(s[8]), 2e-6) << csv[1][i];
    hidden += std::stod(s[8]);
  }
  EXPECT_GT(hidden, 0.1);
}

} // namespace

// Pilot B1's room: 0 prints what no option prints; a valid height keeps the
// floor lines' paths and their total.
TEST_F(KmvtoolCoverage, AtHeightZeroIsTheDefaultAndARaisedPlaneKeepsTheLines)
{
  const std::string plain = Kmvtool("coverage '*Pilot B1'").output;
  EXPECT_EQ(Kmvtool("coverage '*Pilot B1' --at-height 0").output, plain);
  std::vector<std::string> raised = Lines(Kmvtool("coverage '*Pilot B1' --at-height 1").output);
  std::vector<std::string> floor = Lines(plain);
  ASSERT_EQ(raised.size(), floor.size());
  for (size_t i = 3; i < floor.size(); ++i)
    EXPECT_EQ(Split(raised[i], ' ')[0], Split(floor[i], ' ')[0]);
}
