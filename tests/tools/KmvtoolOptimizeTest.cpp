#include "KmvtoolOutput.h"
#include "KmvtoolProcess.h"
#include "coverage/PlacementProject.h"

#include <vector>

namespace {

class KmvtoolOptimize : public KmvtoolTest {
protected:
  void SetUp() override
  {
    KmvtoolTest::SetUp();
    Write("p.txt", PlacementProject(0.5));
  }
};

TEST_F(KmvtoolOptimize, PrintsTheBestSettingAndTheStepsThatReachItAndSavesIt)
{
  struct Case {
    std::string options;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {" MH:  2.50 m", " KW:  0.0 \xC2\xB0", " DW:  0.0 \xC2\xB0", "WATCHED 1.406250 17.6", "STEPS mh+"}},
      {" --surface P.V0.Front --save " + Quote(Path("o.kmv")),
       {" MH:  2.50 m", " KW:  0.0 \xC2\xB0", " DW:  180.0 \xC2\xB0", "WATCHED 1.406250 35.2", "STEPS mh+ dw+ dw+"}},
      {" --surface P.V0.Back --surface P.V0.Front",
       {" MH:  2.50 m", " KW:  0.0 \xC2\xB0", " DW:  0.0 \xC2\xB0", "WATCHED 1.406250 17.6", "STEPS mh+"}},
  };
  for (const Case& c : cases) {
    CCommandResult result = Kmvtool("optimize " + Quote(Path("p.txt")) + c.options);
    EXPECT_EQ(result.exitStatus, 0) << c.options;
    EXPECT_EQ(Lines(result.output), c.lines) << c.options;
  }
  // The saved project stands at the setting found.
  std::vector<std::string> saved = Lines(Kmvtool("sensor " + Quote(Path("o.kmv"))).output);
  saved.resize(3);
  EXPECT_EQ(saved, std::vector<std::string>(cases[1].lines.begin(), cases[1].lines.begin() + 3));
}

// A zone on the back floor turns the sensor to the front one; a zone over
// both floors leaves no setting of the narrowed project free.
TEST_F(KmvtoolOptimize, KeepsTheZonesFreeOrSaysThatNoSettingDoes)
{
  Write("back.txt", PlacementProject(0.5, "-3,-1 -1,-1 -1,1 -3,1"));
  Write("both.txt", NarrowedPlacementProject("-3,-1 3,-1 3,1 -3,1"));
  Write("out.txt", "old");
  std::vector<std::string> lines = Lines(Kmvtool("optimize " + Quote(Path("back.txt")) + " --keep-zones-free").output);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "STEPS mh+ dw+ dw+");
  CCommandResult none =
      Kmvtool("optimize " + Quote(Path("both.txt")) + " --keep-zones-free --save " + Quote(Path("out.txt")), true);
  EXPECT_EQ(none.exitStatus, 3);
  EXPECT_EQ(Lines(none.output).size(), 1u) << none.output;
  EXPECT_EQ(Read("out.txt"), "old");
}

} // namespace
