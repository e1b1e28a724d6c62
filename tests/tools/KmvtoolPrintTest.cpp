#include "KmvtoolOutput.h"
#include "KmvtoolProcess.h"

#include <sstream>

namespace {

using KmvtoolPrint = KmvtoolTest;

// The steps move the sensor before the page is printed.
TEST_F(KmvtoolPrint, WritesOnePageWithHeaderAndPictureAfterTheSteps)
{
  ASSERT_EQ(Kmvtool("print '*Pilot B1' " + Quote(Path("out.pdf")) + " mh- kw+").exitStatus, 0);
  EXPECT_EQ(PdfPageCount(Quote(Path("out.pdf"))), 1);
  EXPECT_NE(RunShell("pdfinfo " + Quote(Path("out.pdf"))).output.find("(A4)"), std::string::npos);

  std::string text = RunShell("pdftotext " + Quote(Path("out.pdf")) + " -").output;
  EXPECT_NE(text.find("Velmar CAD-Planungssoftware - "), std::string::npos) << text;
  EXPECT_NE(text.find("Projekt: Pilot B1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Montageh\xC3\xB6he: 2.40 m, Kippwinkel: 2.5\xC2\xB0, Drehwinkel: 0.0\xC2\xB0"),
            std::string::npos)
      << text;

  // At 25.4 dpi a pixel is a millimetre: the header ends above 20 mm.
  RunShell("pdftoppm -png -singlefile -r 25.4 " + Quote(Path("out.pdf")) + " " + Quote(Path("page")));
  EXPECT_GT(OrangePixelsBelow(ReadPng(Path("page.png")), 20), 100);
}

TEST_F(KmvtoolPrint, ReportHoldsThePageTheMapAndTheTables)
{
  ASSERT_EQ(Kmvtool("report '*Pilot C1' " + Quote(Path("r.pdf")) + " kw+").exitStatus, 0);
  EXPECT_GE(PdfPageCount(Quote(Path("r.pdf"))), 3);

  std::string text = RunShell("pdftotext -layout " + Quote(Path("r.pdf")) + " -").output;
  for (const char* heading : {"Projekt: Pilot C1\n", "Überdeckung der Bodenflächen (sichtbare Teile)\n",
                              "Abdeckung der Zielflächen (sichtbare Teile)\n", "\nErfassungsflächen\n"})
    EXPECT_NE(text.find(heading), std::string::npos) << heading;
  // The floor's row: its name as the tree shows it and its share as coverage
  // prints it.
  std::string coverage = Kmvtool("coverage '*Pilot C1' kw+").output;
  std::istringstream floor(coverage.substr(coverage.find("\nPilot_C1") + 1));
  std::string path, area, watched, percent;
  floor >> path >> area >> watched >> percent;
  size_t row = text.find("\n" + path.substr(path.rfind('.') + 1) + " ");
  ASSERT_NE(row, std::string::npos) << path << "\n" << text;
  EXPECT_NE(text.substr(row, text.find('\n', row + 1) - row).find(percent + " "), std::string::npos) << percent;
}

TEST_F(KmvtoolPrint, ReportKeepsTheOldFileWhenItCannotBeWritten)
{
  Write("old.pdf", "old");
  // Past 16 KiB every write fails (EFBIG), as on a full disk.
  std::string status = RunShell("trap '' XFSZ; ulimit -f 16; " + std::string(KMVTOOL_PATH) + " report '*Pilot B1' " +
                                Quote(Path("old.pdf")) + " 2>/dev/null; echo $?")
                           .output;
  EXPECT_EQ(status, "1\n");
  EXPECT_EQ(Read("old.pdf"), "old");
}

} // namespace
