#include "KmvtoolOutput.h"
#include "KmvtoolProcess.h"

#include <tuple>
#include <utility>

namespace {

using KmvtoolRender = KmvtoolTest;

// The built-in models' start views show their patches on at least 2% of
// the picture, the walls before the eye cut away; Pilot B1's table hides the
// end of a floor patch: pale, as the program draws it.
TEST_F(KmvtoolRender, StartViewsMarkTheSensorAndShowThePatches)
{
  ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("small.txt")) + " --width 2 --depth 2 --height 2.5").exitStatus, 0);
  ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("large.txt")) + " --width 40 --depth 30 --height 4").exitStatus, 0);
  const std::tuple<const char*, int, int> views[] = {{"'*Pilot A1'", 9600, 0}, {"'*Pilot B1'", 9600, 10},
                                                     {"'*Pilot B2'", 9600, 0}, {"'*Pilot C1'", 9600, 0},
                                                     {"small.txt", 0, 0},      {"large.txt", 0, 0}};
  for (const auto& [source, patchPixels, palePixels] : views) {
    std::string path = source[0] == '\'' ? source : Quote(Path(source));
    ASSERT_EQ(Kmvtool("render " + path + " " + Quote(Path("v.png"))).exitStatus, 0) << source;
    const CRgbImage view = ReadPng(Path("v.png"));
    EXPECT_EQ(std::make_pair(view.width, view.height), std::make_pair(800, 600));
    // The marker's deep blue: a disc of about 16 pixels with its arrow, whatever the scene's size.
    const int marker = PixelsNear(view, {13, 51, 179}, 12);
    EXPECT_GT(marker, 150) << source;
    EXPECT_LT(marker, 500) << source;
    EXPECT_GE(OrangePixelsBelow(view, 0), patchPixels) << source;
    EXPECT_GE(PixelsNear(view, {255, 220, 181}, 8), palePixels) << source;
  }
  ASSERT_EQ(Kmvtool("render '*Pilot C1' " + Quote(Path("c1.png")) + " --wire --size 320x200").exitStatus, 0);
  const CRgbImage c1 = ReadPng(Path("c1.png"));
  EXPECT_EQ(std::make_pair(c1.width, c1.height), std::make_pair(320, 200));
}

// Each sensor's floor patches in its own colour; one sensor stays orange alone.
TEST_F(KmvtoolRender, DrawsEachSensorsPatchesInItsColour)
{
  ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("one.txt")) + " --width 6 --depth 6 --height 3").exitStatus, 0);
  ASSERT_EQ(Kmvtool("add-sensor " + Quote(Path("one.txt")) + " 'Pilot B1' " + Quote(Path("two.txt")) + " --wall 2")
                .exitStatus,
            0);
  const std::array<int, 3> litOrange{255, 130, 0}, litGreen{0, 161, 117};
  ASSERT_EQ(Kmvtool("render " + Quote(Path("two.txt")) + " " + Quote(Path("two.png"))).exitStatus, 0);
  EXPECT_GT(PixelsNear(ReadPng(Path("two.png")), litOrange, 8), 1000);
  EXPECT_GT(PixelsNear(ReadPng(Path("two.png")), litGreen, 8), 1000);
  ASSERT_EQ(Kmvtool("render " + Quote(Path("one.txt")) + " " + Quote(Path("one.png"))).exitStatus, 0);
  EXPECT_GT(PixelsNear(ReadPng(Path("one.png")), litOrange, 8), 1000);
  EXPECT_EQ(PixelsNear(ReadPng(Path("one.png")), litGreen, 8), 0);
}

} // namespace
