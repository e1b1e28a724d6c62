#include "KmvtoolProcess.h"

#include <png.h>

#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Width and height from the PNG header, 0 when the file is no PNG.
std::pair<int, int> PngSize(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  unsigned char header[24] = {};
  file.read(reinterpret_cast<char*>(header), sizeof header);
  if (!file || header[1] != 'P' || header[2] != 'N' || header[3] != 'G')
    return {0, 0};
  auto bigEndian = [&header](int at) {
    return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
  };
  return {bigEndian(16), bigEndian(20)};
}

using KmvtoolRender = KmvtoolTest;

TEST_F(KmvtoolRender, WritesThePictureOfABuiltInModel)
{
  ASSERT_EQ(Kmvtool("render '*Pilot B1' " + Quote(Path("b1.png"))).exitStatus, 0);
  EXPECT_EQ(PngSize(Path("b1.png")), std::make_pair(800, 600));
  ASSERT_EQ(Kmvtool("render '*Pilot C1' " + Quote(Path("c1.png")) + " --wire --size 320x200").exitStatus, 0);
  EXPECT_EQ(PngSize(Path("c1.png")), std::make_pair(320, 200));
}

// Pixels of the PNG within the tolerance of the colour on each channel.
int PixelsNear(const std::string& path, const std::array<int, 3>& colour, int tolerance)
{
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str()))
    return -1;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
    return -1;
  int count = 0;
  for (size_t i = 0; i + 2 < pixels.size(); i += 3)
    count += std::abs(pixels[i] - colour[0]) < tolerance && std::abs(pixels[i + 1] - colour[1]) < tolerance &&
             std::abs(pixels[i + 2] - colour[2]) < tolerance;
  return count;
}

// Pixels of the sensor marker's deep blue in the PNG.
int MarkerPixels(const std::string& path)
{
  return PixelsNear(path, {13, 51, 179}, 12);
}

// Pilot B1's table hides the end of a floor patch: pale, as the program draws it.
TEST_F(KmvtoolRender, DrawsTheShadowedFloorPale)
{
  ASSERT_EQ(Kmvtool("render '*Pilot B1' " + Quote(Path("b1.png"))).exitStatus, 0);
  EXPECT_GT(PixelsNear(Path("b1.png"), {255, 220, 181}, 8), 10);
}

TEST_F(KmvtoolRender, StartViewsMarkTheSensorInSmallAndLargeRooms)
{
  ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("small.txt")) + " --width 2 --depth 2 --height 2.5").exitStatus, 0);
  ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("large.txt")) + " --width 40 --depth 30 --height 4").exitStatus, 0);
  for (const char* source : {"'*Pilot A1'", "'*Pilot B1'", "'*Pilot C1'", "small.txt", "large.txt"}) {
    std::string path = source[0] == '\'' ? source : Quote(Path(source));
    ASSERT_EQ(Kmvtool("render " + path + " " + Quote(Path("v.png"))).exitStatus, 0) << source;
    // A disc of about 16 pixels with its arrow, whatever the scene's size.
    int marker = MarkerPixels(Path("v.png"));
    EXPECT_GT(marker, 150) << source;
    EXPECT_LT(marker, 500) << source;
  }
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
  EXPECT_GT(PixelsNear(Path("two.png"), litOrange, 8), 1000);
  EXPECT_GT(PixelsNear(Path("two.png"), litGreen, 8), 1000);
  ASSERT_EQ(Kmvtool("render " + Quote(Path("one.txt")) + " " + Quote(Path("one.png"))).exitStatus, 0);
  EXPECT_GT(PixelsNear(Path("one.png"), litOrange, 8), 1000);
  EXPECT_EQ(PixelsNear(Path("one.png"), litGreen, 8), 0);
}

} // namespace
