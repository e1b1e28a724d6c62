#include "PngFileDestination.h"
#include "RenderTestSupport.h"
#include "TempFolder.h"
#include "tools/KmvtoolOutput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using PngFileDestination = TempFolderTest;

// 2 x 3 picture: bottom row red, middle green, top blue.
CRenderedImage StripedImage()
{
  CRenderedImage image;
  image.width = 2;
  image.height = 3;
  image.rgb = {255, 0, 0, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 0, 0, 255};
  return image;
}

TEST_F(PngFileDestination, WritesTheTopRowFirst)
{
  std::string path = Path("rows.png");
  ASSERT_TRUE(CPngFileDestination(path).PutImage(StripedImage()));
  CRgbImage read = ReadPng(path);
  EXPECT_EQ(2, read.width);
  EXPECT_EQ(3, read.height);
  std::vector<unsigned char> topDown = {0, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0, 0};
  EXPECT_EQ(topDown, read.pixels);
}

TEST_F(PngFileDestination, RefusesAnUnwritablePathAndAnInconsistentImage)
{
  CRenderedImage shortRows = StripedImage();
  shortRows.rgb.pop_back();
  const std::pair<std::string, CRenderedImage> refused[] = {
      {Path("no_such_folder/picture.png"), StripedImage()},
      {Path("bad.png"), shortRows},
      {Path("bad.png"), CRenderedImage()},
  };
  for (const auto& [path, image] : refused) {
    EXPECT_FALSE(CPngFileDestination(path).PutImage(image)) << path;
    EXPECT_FALSE(std::filesystem::exists(path)) << path;
  }
}

// The first paint hands over the wireframe preview, then the full picture:
// the file keeps the last.
TEST_F(PngFileDestination, TakesAPaintedScene)
{
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(
      camera, 20, 10, [] { FrontSquare(0.0, 0.0, 0.0, 1.0, 1.0, 0.0, 0.0); }, ViewSide::Front, 6.0));
  std::string path = Path("scene.png");
  CPngFileDestination destination(path);
  ASSERT_TRUE(camera.Paint(destination));
  CRgbImage read = ReadPng(path);
  ASSERT_EQ(20, read.width);
  ASSERT_EQ(10, read.height);
  std::size_t centre = (5 * 20 + 10) * 3;
  EXPECT_GT(read.pixels[centre], 200);
  EXPECT_LT(read.pixels[centre + 1], 30);
  EXPECT_EQ(255, read.pixels[0]);
}

} // namespace
