#include "PngFileDestination.h"
#include "RenderTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using PngFileDestination = TempFolderTest;

// Reads an RGB PNG through libpng's simplified interface, rows top-down;
// an empty picture when it cannot be read.
CRenderedImage ReadPng(const std::string& path)
{
  CRenderedImage read;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str())) {
    image.format = PNG_FORMAT_RGB;
    read.rgb.resize(PNG_IMAGE_SIZE(image));
    read.width = static_cast<int>(image.width);
    read.height = static_cast<int>(image.height);
    if (!png_image_finish_read(&image, nullptr, read.rgb.data(), 0, nullptr))
      read = CRenderedImage();
  }
  return read;
}

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
  CRenderedImage read = ReadPng(path);
  EXPECT_EQ(2, read.width);
  EXPECT_EQ(3, read.height);
  std::vector<unsigned char> topDown = {0, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0, 0};
  EXPECT_EQ(topDown, read.rgb);
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
  CRenderedImage read = ReadPng(path);
  ASSERT_EQ(20, read.width);
  ASSERT_EQ(10, read.height);
  std::size_t centre = (5 * 20 + 10) * 3;
  EXPECT_GT(read.rgb[centre], 200);
  EXPECT_LT(read.rgb[centre + 1], 30);
  EXPECT_EQ(255, read.rgb[0]);
}

} // namespace
