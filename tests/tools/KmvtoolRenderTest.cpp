#include "KmvtoolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class KmvtoolRender : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_dir = std::filesystem::temp_directory_path() / ("kmv_render_" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  // Width and height from the PNG header, 0 when the file is no PNG.
  static std::pair<int, int> PngSize(const std::filesystem::path& path)
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

  std::filesystem::path m_dir;
};

} // namespace

TEST_F(KmvtoolRender, WritesThePictureOfABuiltInModel)
{
  auto normal = m_dir / "b1.png";
  ASSERT_EQ(Kmvtool("render '*Pilot B1' " + Quote(normal.string())).exitStatus, 0);
  EXPECT_EQ(PngSize(normal), std::make_pair(800, 600));
  auto wire = m_dir / "b1-wire.png";
  ASSERT_EQ(Kmvtool("render '*Pilot C1' " + Quote(wire.string()) + " --wire --size 320x200").exitStatus, 0);
  EXPECT_EQ(PngSize(wire), std::make_pair(320, 200));
}

TEST_F(KmvtoolRender, RefusesWrongUsageAndUnwritableOutput)
{
  EXPECT_EQ(Kmvtool("render '*Pilot B1'").exitStatus, 2);
  for (const char* size : {"0x10", "10", "10x", "99999x10", "10x10x"})
    EXPECT_EQ(Kmvtool("render '*Pilot B1' out.png --size " + std::string(size)).exitStatus, 2) << size;
  CCommandResult missing = Kmvtool("render " + Quote((m_dir / "none.txt").string()) + " x.png", true);
  EXPECT_EQ(missing.exitStatus, 1);
  CCommandResult unwritable = Kmvtool("render '*Pilot B1' " + Quote((m_dir / "no" / "dir.png").string()), true);
  EXPECT_EQ(unwritable.exitStatus, 1);
  EXPECT_FALSE(unwritable.output.empty());
}
