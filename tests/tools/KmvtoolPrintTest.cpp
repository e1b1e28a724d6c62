#include "KmvtoolProcess.h"

namespace {

// Output of a shell command line.
std::string Shell(const std::string& command)
{
  std::string output;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe)
    return output;
  char buffer[4096];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    output.append(buffer, got);
  pclose(pipe);
  return output;
}

// Pixels in the patch colour (orange) below the first top rows of a binary
// PPM page image.
int OrangePixelsBelow(const std::string& ppm, int topRows)
{
  int width = 0, height = 0, maxValue = 0, headerLength = 0;
  if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maxValue, &headerLength) != 3 || maxValue != 255)
    return -1;
  size_t start = static_cast<size_t>(headerLength) + 1;
  if (ppm.size() < start + static_cast<size_t>(width) * static_cast<size_t>(height) * 3)
    return -1;
  int count = 0;
  for (int y = topRows; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto* p =
          reinterpret_cast<const unsigned char*>(ppm.data()) + start + (static_cast<size_t>(y) * width + x) * 3;
      int red = p[0], green = p[1], blue = p[2];
      if (red > 60 && 4 * blue < red && 10 * green > 3 * red && 10 * green < 7 * red)
        ++count;
    }
  return count;
}

using KmvtoolPrint = KmvtoolTest;

TEST_F(KmvtoolPrint, WritesOnePageWithHeaderAndPicture)
{
  ASSERT_EQ(Kmvtool("print '*Pilot B1' " + Quote(Path("out.pdf"))).exitStatus, 0);
  std::string info = Shell("pdfinfo " + Quote(Path("out.pdf")));
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

  std::string text = Shell("pdftotext " + Quote(Path("out.pdf")) + " -");
  EXPECT_NE(text.find("Velmar CAD-Planungssoftware - "), std::string::npos) << text;
  EXPECT_NE(text.find("Projekt: Pilot B1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Montageh\xC3\xB6he: 2.50 m, Kippwinkel: 0.0\xC2\xB0, Drehwinkel: 0.0\xC2\xB0"),
            std::string::npos)
      << text;

  // At 25.4 dpi a pixel is a millimetre: the header ends above 20 mm.
  std::string page = Shell("pdftoppm -r 25.4 " + Quote(Path("out.pdf")));
  EXPECT_GT(OrangePixelsBelow(page, 20), 100);
}

TEST_F(KmvtoolPrint, StepsAndStatuses)
{
  ASSERT_EQ(Kmvtool("print '*Pilot B1' " + Quote(Path("low.pdf")) + " mh- kw+ --size 320x240").exitStatus, 0);
  EXPECT_NE(Shell("pdftotext " + Quote(Path("low.pdf")) + " -").find("2.40 m, Kippwinkel: 2.5"), std::string::npos);

  Write("old.pdf", "old");
  EXPECT_EQ(Kmvtool("print " + Quote(Path("missing.kmv")) + " " + Quote(Path("old.pdf"))).exitStatus, 1);
  EXPECT_EQ(Read("old.pdf"), "old");
  EXPECT_EQ(Kmvtool("print '*Pilot B1' " + Quote(Path("no/such/dir.pdf"))).exitStatus, 1);
  EXPECT_EQ(Kmvtool("print '*Pilot B1'").exitStatus, 2);
  EXPECT_EQ(Kmvtool("print '*Pilot B1' " + Quote(Path("x.pdf")) + " up").exitStatus, 2);
  EXPECT_EQ(Kmvtool("print '*Pilot B1' " + Quote(Path("x.pdf")) + " --size 0x10").exitStatus, 2);
}

} // namespace
