#include "KmvtoolProcess.h"

#include <algorithm>

namespace {

const std::string kRoom = " --width 6.4 --depth 8.2 --height 2.75";

class KmvtoolRoomTest : public KmvtoolTest {};

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

TEST_F(KmvtoolRoomTest, RefusesEachBadValueWithOneLineAndLeavesOutAsItWas)
{
  const std::string cases[] = {
      " --depth 8.2 --height 2.75",
      " --width 6.4 --height 2.75",
      " --width 6.4 --depth 8.2",
      " --width 0.9 --depth 8.2 --height 2.75",
      " --width 200.5 --depth 8.2 --height 2.75",
      " --width 6.4 --depth 0 --height 2.75",
      " --width 6.4 --depth 8.2 --height 1.9",
      " --width 6.4 --depth 8.2 --height 31",
      " --width nan --depth 8.2 --height 2.75",
      " --width 6.4 --depth inf --height 2.75",
      " --width 6.4 --depth 8.2 --height 2.75m",
      kRoom + " --offset 0",
      kRoom + " --offset 6.4",
      kRoom + " --offset -1",
      kRoom + " --variant ceiling --offset 2",
      kRoom + " --variant corner --offset 2",
      kRoom + " --variant floor",
      kRoom + " --width 5",
      kRoom + " --colour red",
  };
  Write("out.txt", "old");
  for (const std::string& options : cases) {
    CCommandResult result = Kmvtool("room 'Pilot B1' " + Quote(Path("out.txt")) + options, true);
    EXPECT_EQ(result.exitStatus, 2) << options;
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
    EXPECT_EQ(Read("out.txt"), "old") << options;
  }
}

TEST_F(KmvtoolRoomTest, RefusesAnUnknownModelAsUnreadable)
{
  Write("out.txt", "old");
  CCommandResult result = Kmvtool("room 'Pilot Z9' " + Quote(Path("out.txt")) + kRoom, true);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
  EXPECT_EQ(Read("out.txt"), "old");
}

} // namespace
