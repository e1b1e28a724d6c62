#include "PngFileDestination.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string TempPath(const char* name)
{
  return (std::filesystem::temp_directory_path() / name).string();
}

// Reads an RGB PNG through libpng's simplified interface; rows top-down.
bool ReadPng(const std::string& path, int& width, int& height, std::vector<unsigned char>& rgb)
{
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str()))
    return false;
  image.format = PNG_FORMAT_RGB;
  rgb.resize(PNG_IMAGE_SIZE(image));
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0;
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

} // namespace

TEST(PngFileDestination, WritesTheTopRowFirst)
{
  std::string path = TempPath("view3d_png_rows.png");
  CPngFileDestination destination(path);
  ASSERT_TRUE(destination.PutImage(StripedImage()));
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  ASSERT_TRUE(ReadPng(path, width, height, rgb));
  EXPECT_EQ(2, width);
  EXPECT_EQ(3, height);
  std::vector<unsigned char> topDown = {0, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0, 255, 0, 0, 255, 0, 0};
  EXPECT_EQ(topDown, rgb);
  std::remove(path.c_str());
}

TEST(PngFileDestination, FailsOnAPathThatCannotBeWritten)
{
  std::string path = TempPath("view3d_no_such_folder/picture.png");
  CPngFileDestination destination(path);
  EXPECT_FALSE(destination.PutImage(StripedImage()));
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PngFileDestination, RefusesAnInconsistentImage)
{
  std::string path = TempPath("view3d_png_bad.png");
  CRenderedImage image = StripedImage();
  image.rgb.pop_back();
  CPngFileDestination destination(path);
  EXPECT_FALSE(destination.PutImage(image));
  image = CRenderedImage();
  EXPECT_FALSE(destination.PutImage(image));
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PngFileDestination, TakesAPaintedScene)
{
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(
      camera, 20, 10, [] { FrontSquare(0.0, 0.0, 0.0, 1.0, 1.0, 0.0, 0.0); }, ViewSide::Front, 6.0));
  std::string path = TempPath("view3d_png_scene.png");
  CPngFileDestination destination(path);
  ASSERT_TRUE(camera.Paint(destination));
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  ASSERT_TRUE(ReadPng(path, width, height, rgb));
  ASSERT_EQ(20, width);
  ASSERT_EQ(10, height);
  std::size_t centre = (5 * 20 + 10) * 3;
  EXPECT_GT(rgb[centre], 200);
  EXPECT_LT(rgb[centre + 1], 30);
  EXPECT_EQ(255, rgb[0]);
  std::remove(path.c_str());
}
