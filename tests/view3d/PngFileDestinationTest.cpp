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

// A second picture replaces the first, as the full picture after a preview does.
TEST_F(PngFileDestination, WritesTheLastPictureTopRowFirst)
{
  std::string path = Path("rows.png");
  CPngFileDestination destination(path);
  ASSERT_TRUE(destination.PutImage({1, 1, {9, 9, 9}}));
  ASSERT_TRUE(destination.PutImage(StripedImage()));
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

} // namespace
