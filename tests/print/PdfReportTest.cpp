#include "PdfReport.h"
#include "ShellCommand.h"
#include "TempFolder.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

std::string Shell(const std::string& command)
{
  return RunShell(command).output;
}

size_t Count(const std::string& text, const std::string& word)
{
  size_t count = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
    ++count;
  return count;
}

CReportTable PatchTable(size_t rows, const std::string& longCell)
{
  // Windows-1252 texts; an octal escape ends after three digits.
  CReportTable table{"Erfassungsfl\344chen",
                     {{"Name", 0.3, false}, {"Zielfl\344che", 0.5, false}, {"Fl\344che (m\262)", 0.2, true}},
                     {},
                     false,
                     "Keine Erfassungsfl\344chen.",
                     {}};
  for (size_t i = 0; i < rows; ++i)
    table.rows.push_back({"Patch " + std::to_string(i), i == 7 ? longCell : "Raum.Boden", "1.000"});
  return table;
}

class PdfReport : public TempFolderTest {
protected:
  void SetUp() override
  {
    TempFolderTest::SetUp();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }

  int m_argc = 1;
  char m_name[16] = "print_tests";
  char* m_argv[2] = {m_name, nullptr};
};

TEST_F(PdfReport, LongTablesRunOnOverPagesWithEveryRowOnce)
{
  QGuiApplication application(m_argc, m_argv);
  QImage picture(64, 48, QImage::Format_RGB888);
  picture.fill(Qt::gray);
  struct Case {
    size_t rows;
    std::string longCell;
    int minPages;
    int maxPages;
  };
  const Case cases[] = {
      {0, "", 3, 3},                         // page, map page, tables: "Keine ..." instead
      {300, "Raum.Boden", 7, 9},             // about 55 rows a page
      {300, std::string(100000, 'x'), 7, 9}, // a cell longer than a page is shortened
  };
  for (const Case& c : cases) {
    CReportContent content;
    content.map.strMissing = "Keine Karte.";
    content.patches = PatchTable(c.rows, c.longCell);
    std::string error;
    ASSERT_TRUE(WritePdfReport(Path("r.pdf"), picture, {"Kopf", "Projekt: P", "Werte"}, content, error)) << error;
    const int pages = PdfPageCount(Path("r.pdf"));
    ASSERT_GT(pages, 0) << "pdfinfo counted no pages";
    EXPECT_GE(pages, c.minPages) << c.rows;
    EXPECT_LE(pages, c.maxPages) << c.rows;
    std::string text = Shell("pdftotext -layout " + Path("r.pdf") + " -");
    EXPECT_EQ(Count(text, "Keine Karte."), 1u);
    EXPECT_EQ(Count(text, "Erfassungsflächen (Fortsetzung)"), static_cast<size_t>(pages - 3));
    EXPECT_EQ(Count(text, "Keine Erfassungsflächen."), c.rows == 0 ? 1u : 0u);
    for (size_t i = 0; i < c.rows; ++i)
      EXPECT_EQ(Count(text, "Patch " + std::to_string(i) + " "), 1u) << i;
  }
}

TEST_F(PdfReport, MapIsDrawnAsVectorsWithItsLegendAsText)
{
  QGuiApplication application(m_argc, m_argv);
  QImage picture(64, 48, QImage::Format_RGB888);
  picture.fill(Qt::gray);
  CReportContent content;
  content.map.strCaption = "Draufsicht";
  const CPlanarRegion floor{{{0, 0, 0}, {8, 0, 0}, {8, 5, 0}, {0, 5, 0}}, {}, 40.0};
  const CPlanarRegion patch{{{1, 1, 0}, {3, 1, 0}, {2, 3, 0}}, {}, 2.0};
  content.map.layers = {{"nicht erfasst", MapStyle::Ground, {200, 200, 200}, {floor}},
                        {"Feld", MapStyle::Translucent, {255, 128, 0}, {patch, patch}}};
  content.map.sensor = CSensorPose{{0.1, 2.5, 2.5}, {1, 0, 0}};
  std::string error;
  ASSERT_TRUE(WritePdfReport(Path("m.pdf"), picture, {"Kopf", "Projekt: P", "Werte"}, content, error)) << error;
  // The 3D view on the first page is the only picture.
  std::string images = Shell("pdfimages -list " + Path("m.pdf"));
  EXPECT_EQ(Count(images, "\n   1 "), 1u) << images;
  EXPECT_EQ(Count(images, "\n   2 "), 0u) << images;
  std::string map = Shell("pdftotext -f 2 -l 2 -layout " + Path("m.pdf") + " -");
  for (const char* text : {"nicht erfasst", "Feld, 1-fach", "Feld, 3-fach", "Sensor und Blickrichtung"})
    EXPECT_EQ(Count(map, text), 1u) << text << "\n" << map;
  // The scale bar's length; the layout may close up its blank.
  EXPECT_EQ(Count(map, "2 m") + Count(map, "2m"), 1u) << map;
}

} // namespace
