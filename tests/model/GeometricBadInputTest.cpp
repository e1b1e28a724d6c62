#include "EntryLimits.h"
#include "ItemGrid.h"
#include "ItemPointArc.h"
#include "ItemPointMatrix.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST(CountBounds, LatticeAndArcCountsAbovePageLimitsRefuseTheRecord)
{
  CParsedTree tree(InProject(ColourRecord("pointmatrix", "Huge") + "1 0 1000000000 1000000000 1 1 \n" +
                             ColourRecord("pointmatrix", "Edge") + "1 0 1000 2 1 1 \n" +
                             ColourRecord("pointmatrix", "Lowest") + "1 0 -2147483648 5 1 1 \n" +
                             ColourRecord("pointarc", "HugeArc") + "1 1 1001 1 1 1 0 90 \n" +
                             ColourRecord("pointarc", "LowestArc") + "1 1 -2147483648 1 1 1 0 90 "));
  EXPECT_EQ(tree.root.FindChild("Huge"), nullptr);
  EXPECT_EQ(tree.root.FindChild("HugeArc"), nullptr);
  EXPECT_EQ(EntryAt<CItemPointMatrix>(tree.root, "P.Edge")->m_points.size(), 2000u);
  EXPECT_TRUE(EntryAt<CItemPointMatrix>(tree.root, "P.Lowest")->m_points.empty());
  EXPECT_TRUE(EntryAt<CItemPointArc>(tree.root, "P.LowestArc")->m_points.empty());
  // Stored counts are written back as read.
  EXPECT_NE(tree.Write().find(" -2147483648 5 "), std::string::npos);

  CItemPointMatrix matrix;
  matrix.m_nCountX = 1 << 30;
  matrix.m_nCountY = 1;
  matrix.GeneratePoints();
  EXPECT_EQ(matrix.m_points.size(), static_cast<size_t>(kMaxLatticeCount));
}

TEST(CountBounds, VertexCountsBeyondTheLineRefuseThePolygon)
{
  std::string vertices;
  for (int i = 0; i < 20000; ++i)
    vertices += "0 0 0 ";
  CParsedTree tree(InProject(ColourRecord("polygon", "Huge") + "0 1000000000 1 2 3 \n" +
                             ColourRecord("polygon", "Long") + "0 50 1 2 3 \n" + ColourRecord("polygon", "Fits") +
                             "0 4 1 2 3 \n" + ColourRecord("polygon", "Negative") + "0 -7 1 2 3 \n" +
                             ColourRecord("polygon", "Many") + "0 20000 " + vertices));
  EXPECT_EQ(tree.root.FindChild("Huge"), nullptr);
  EXPECT_EQ(tree.root.FindChild("Long"), nullptr);
  EXPECT_EQ(EntryAt<CItemPolygon>(tree.root, "P.Fits")->m_vertices.size(), 4u);
  EXPECT_TRUE(EntryAt<CItemPolygon>(tree.root, "P.Negative")->m_vertices.empty());
  EXPECT_EQ(EntryAt<CItemPolygon>(tree.root, "P.Many")->m_vertices.size(), 20000u);
  EXPECT_EQ(CParsedTree(tree.Write()).Write(), tree.Write());
}

TEST(AngleLoops, HugeAndInfiniteArcAnglesEndAtOnce)
{
  for (double start : {1e16, -1e300, kInf, -kInf, std::nan("")}) {
    CItemPointArc arc;
    arc.SetInsertDefaults();
    arc.m_nCount = 5;
    arc.m_startAngle = start;
    arc.GeneratePoints();
    EXPECT_EQ(arc.m_points.size(), 5u) << start;
  }
  CParsedTree tree(InProject(ColourRecord("pointarc", "Inf") + "1 1 3 1 1 1 inf 0 "));
  EXPECT_NE(EntryAt<CItemPointArc>(tree.root, "P.Inf"), nullptr);
  EXPECT_NE(tree.Write().find(" inf 0.000000000000000e+000 "), std::string::npos);
}

TEST(GridValues, StepsFromTheFileAreKeptAndReachTheLineFamilies)
{
  CParsedTree tree(
      InProject(ColourRecord("grid", "G") + "0 4 -5 -5 0 5 -5 0 5 5 0 -5 5 0 0 0 0 1 1 1 0 -0.2 0 0 1 1 1 1 "));
  auto* grid = EntryAt<CItemGrid>(tree.root, "P.G");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->m_minorStep, -0.2);
  EXPECT_EQ(grid->m_majorStep, 0.0);
  EXPECT_NE(tree.Write().find(" 0 -2.000000000000000e-001 "), std::string::npos);
  // DrawLineFamily refuses these steps when the grid is drawn.
  EXPECT_EQ(grid->MinorLines()[0].step, -0.2);
  EXPECT_EQ(grid->MajorLines()[0].step, 0.0);
}
