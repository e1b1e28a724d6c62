#include "KmvtoolProcess.h"

#include <utility>

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

} // namespace
