#include "KmvtoolProcess.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

const std::string kRoom = " --width 6.4 --depth 8.2 --height 2.75";
// An L of 8 x 6 m without its 4 x 3 m corner at +x +y.
const std::string kLRoom = " --outline '0,0 8,0 8,3 4,3 4,6 0,6' --height 3";

class KmvtoolRoomTest : public KmvtoolTest {
protected:
  // The options that `plan` prints, each line split at its first blank.
  std::string PlanOptions(const std::string& name)
  {
    CCommandResult plan = Kmvtool("plan " + Quote(Path(name)));
    EXPECT_EQ(plan.exitStatus, 0);
    std::istringstream lines(plan.output);
    std::string options;
    for (std::string line; std::getline(lines, line);)
      options += " " + line.substr(0, line.find(' ')) + " " + Quote(line.substr(line.find(' ') + 1));
    return options;
  }
};

TEST_F(KmvtoolRoomTest, WritesWhatSaveWritesAndReadsBackByteForByte)
{
  ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("room.txt")) + kRoom + " --offset 2").exitStatus, 0);
  const std::string plain = Read("room.txt");
  EXPECT_NE(plain.find("CAD1 Pilot_B1.Raum.Wandmontage "), std::string::npos);
  EXPECT_NE(plain.find("polygon Poly1 Ergebnis"), std::string::npos);
  EXPECT_EQ(Kmvtool("text " + Quote(Path("room.txt"))).output, plain);
  ASSERT_EQ(Kmvtool("save " + Quote(Path("room.txt")) + " " + Quote(Path("again.txt"))).exitStatus, 0);
  EXPECT_EQ(Read("again.txt"), plain);

  ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("room.kmv")) + kRoom + " --offset 2").exitStatus, 0);
  EXPECT_NE(Read("room.kmv"), plain);
  EXPECT_EQ(Kmvtool("decode " + Quote(Path("room.kmv"))).output, plain);
  EXPECT_EQ(Kmvtool("text " + Quote(Path("room.kmv"))).output, plain);
}

TEST_F(KmvtoolRoomTest, PlanPrintsTheOptionsThatWriteTheSameProjectAgain)
{
  const std::string rooms[] = {
      kRoom + " --offset 2",
      kLRoom + " --variant corner --door 0,1,0.9,2.1 --door 0,5.5,1.2,2.2 --obstacle 6,1,1.6,0.8,0.75,30"
               " --obstacle 1,5,2,1,1.8 --zone 'Heizung:0.5,0.5 2,0.5 2,1.5' --zone 'Körbchen-2.b:5,2 6,2 6,2.9'",
      " --outline '0,0 7.3,1.1 5,6.6 -1.4,4.2' --height 2.5 --variant ceiling --wall 2 --offset 1.7",
  };
  for (const std::string& room : rooms) {
    ASSERT_EQ(Kmvtool("room 'Pilot C1' " + Quote(Path("first.txt")) + room).exitStatus, 0) << room;
    const std::string options = PlanOptions("first.txt");
    ASSERT_EQ(Kmvtool("room 'Pilot C1' " + Quote(Path("second.txt")) + options).exitStatus, 0) << options;
    EXPECT_EQ(Read("second.txt"), Read("first.txt")) << options;
  }
  EXPECT_EQ(Kmvtool("plan " + Quote(Path("second.txt")))
                .output.rfind("--outline 0,0 7.3,1.1 5,6.6 -1.4,4.2\n"
                              "--height 2.5\n--variant ceiling\n--wall 2\n"
                              "--offset 1.7\n--at ",
                              0),
            0u);

  CCommandResult none = Kmvtool("plan '*Pilot B1'", true);
  EXPECT_EQ(none.exitStatus, 1);
  EXPECT_EQ(std::count(none.output.begin(), none.output.end(), '\n'), 1) << none.output;
}

TEST_F(KmvtoolRoomTest, CoverageMeasuresEachZoneAfterTheTotal)
{
  ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("zones.txt")) + kLRoom +
                    " --zone 'Bett:1,1 3,1 3,2 1,2' --zone 'Tür-Ecke:0,5 1,5 1,6 0,6'")
                .exitStatus,
            0);
  const std::string output = Kmvtool("coverage " + Quote(Path("zones.txt"))).output;
  const size_t total = output.find("TOTAL ");
  ASSERT_NE(total, std::string::npos);
  std::istringstream zones(output.substr(output.find('\n', total) + 1));
  std::string word, name;
  double area = 0.0, watched = 0.0, percent = 0.0;
  for (auto [expectedName, expectedArea] : {std::pair{"Bett", 2.0}, {"Tür-Ecke", 1.0}}) {
    ASSERT_TRUE(zones >> word >> name >> area >> watched >> percent) << output;
    EXPECT_EQ(word, "ZONE");
    EXPECT_EQ(name, expectedName);
    EXPECT_DOUBLE_EQ(area, expectedArea);
    EXPECT_TRUE(watched >= 0.0 && watched <= area);
    EXPECT_NEAR(percent, 100.0 * watched / area, 0.05);
  }
  EXPECT_FALSE(zones >> word) << output;
}

TEST_F(KmvtoolRoomTest, RefusesEachBadValueWithOneLineNamingTheOptionAndLeavesOutAsItWas)
{
  // Per option, the calls it refuses.
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"--width",
       {" --depth 8.2 --height 2.75", " --width 0.9 --depth 8.2 --height 2.75",
        " --width nan --depth 8.2 --height 2.75", kRoom + " --width 5"}},
      {"--height",
       {" --width 6.4 --depth 8.2", " --width 6.4 --depth 8.2 --height 2.75m", " --width 6.4 --depth 8.2 --height 31"}},
      {"--depth", {" --width 6.4 --depth 200.5 --height 2.75"}},
      {"--outline",
       {kRoom + " --outline '0,0 1,0 1,1'", " --outline '0,0 5,0' --height 3",
        " --outline '0,0 5,0 0,5 5,5' --height 3", " --outline '0,0 4,0 4,4 2,0 0,4' --height 3",
        " --outline '0,0 0.9,0 0.9,1' --height 3", " --outline '0,0 200.5,0 0,5' --height 3",
        " --outline '0,0 inf,0 0,5' --height 3"}},
      {"--variant", {kRoom + " --variant floor"}},
      {"--colour", {kRoom + " --colour red"}},
      {"--wall", {kLRoom + " --wall 6"}},
      {"--corner", {kLRoom + " --corner 6", kLRoom + " --corner 3", kLRoom + " --variant corner --door 5,5.5,0.5,2"}},
      {"--offset",
       {kLRoom + " --offset 0", kLRoom + " --offset 8", kLRoom + " --offset 4 --obstacle 4,0.5,2,1,1",
        kLRoom + " --offset 4 --door 0,3.5,1,2"}},
      {"--at", {kLRoom + " --at 6,5", kLRoom + " --variant ceiling --at 2,2 --obstacle 2,2,1,1,1"}},
      {"--obstacle",
       {kLRoom + " --obstacle 7.5,1,2,1,1", kLRoom + " --obstacle 2,2,1,1,1 --obstacle 2.9,2,1,1,1",
        kLRoom + " --obstacle 2,2,0,1,1", kLRoom + " --obstacle 2,2,1,1,3", kLRoom + " --obstacle 2,2,1,1,1,360"}},
      {"--door",
       {kLRoom + " --door 0,7.5,1,2", kLRoom + " --door 0,1,1,2 --door 0,1.5,1,2", kLRoom + " --door 0,1,0,2",
        kLRoom + " --door 0,1,1,3", kLRoom + " --door 9,1,1,2"}},
      {"--zone",
       {kLRoom + " --zone 'A:1,1 2,2 2,1 1,2'", kLRoom + " --zone 'A:3,2 5,2 5,4'",
        kLRoom + " --zone 'A b:1,1 2,1 2,2'", kLRoom + " --zone ':1,1 2,1 2,2'",
        kLRoom + " --zone 'A:1,1 2,1 2,2' --zone 'A:3,1 3.5,1 3.5,2'"}},
  };

  Write("out.txt", "old");
  for (const auto& [option, calls] : cases)
    for (const std::string& options : calls) {
      CCommandResult result = Kmvtool("room 'Pilot B1' " + Quote(Path("out.txt")) + options, true);
      EXPECT_EQ(result.exitStatus, 2) << options;
      EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
      EXPECT_NE(result.output.find(option), std::string::npos) << options << ": " << result.output;
      EXPECT_EQ(Read("out.txt"), "old") << options;
    }
}

} // namespace
