#include "KmvtoolProcess.h"

#include <png.h>

#include <vector>

namespace {

// Percentage of the pixels that show the patch orange (1, 0.5, 0) however
// it is lit: red leads, green is about half of red, blue almost absent.
// Negative when the file is no readable PNG.
double PatchShare(const std::string& path)
{
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str()))
    return -1.0;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
    return -1.0;
  size_t count = 0;
  for (size_t i = 0; i + 2 < pixels.size(); i += 3) {
    int red = pixels[i], green = pixels[i + 1], blue = pixels[i + 2];
    if (red > 60 && 4 * blue < red && 10 * green > 3 * red && 10 * green < 7 * red)
      ++count;
  }
  return 100.0 * static_cast<double>(count) / (static_cast<double>(image.width) * image.height);
}

using KmvtoolPatchShare = KmvtoolTest;

TEST_F(KmvtoolPatchShare, StartPictureOfEachBuiltInModelShowsItsPatches)
{
  // Patches must be plain to see in the start picture of every model.
  constexpr double kMinPercent = 2.0;
  for (const char* model : {"*Pilot A1", "*Pilot B1", "*Pilot B2", "*Pilot C1"}) {
    ASSERT_EQ(Kmvtool("render " + Quote(model) + " " + Quote(Path("start.png"))).exitStatus, 0);
    EXPECT_GE(PatchShare(Path("start.png")), kMinPercent) << model;
  }
}

} // namespace
