#include "ItemArc2.h"
#include "ItemCone.h"
#include "ItemEllipse.h"
#include "ItemEllipsoid.h"
#include "ItemGrid.h"
#include "ItemPointArc.h"
#include "ItemPointMatrix.h"
#include "ItemRectangle.h"
#include "LineItem.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kSquare = "0 4 -5 -5 0 5 -5 0 5 5 0 -5 5 0 ";

} // namespace

TEST(GeometricRecords, EachKindReadsItsFieldsInOrder)
{
  CParsedTree tree(InProject(ColourRecord("point", "A", "0 1 ") + "2.5 2 \n" + ColourRecord("pointmatrix", "M") +
                             "1 0 2 3 1 0.5 \n" + ColourRecord("pointarc", "R") + "1 1 4 2 1 0.5 0 360 \n" +
                             ColourRecord("rectangle", "Q") + kSquare + "\n" + ColourRecord("grid", "G") + kSquare +
                             "0.1 0.2 0.3 0.6 0.7 0.8 4 0.25 2 1 1 0 2 0 \n" + ColourRecord("arc2", "S") +
                             "1 2 3 4 5 6 7 8 \n" + ColourRecord("ellipsoid", "E") + "1 2 3 4 5 6 7 8 \n" +
                             ColourRecord("cone", "C") + "1 2 3 4 5 6 7 8 9 10 11 12 \n" + ColourRecord("line", "L") +
                             "1 2 3 4 5 6 7 \n" + ColourRecord("ellipse", "O") + "1 2 3 4 5 6 7 8 9 "));
  ASSERT_EQ(tree.root.Children().size(), 10u);
  auto* point = EntryAt<CItemPoint>(tree.root, "P.A");
  EXPECT_EQ(point->m_position, CVector(1, 2, 3));
  EXPECT_EQ(point->m_lineColor, CVector(0.25, 0.25, 0.25));
  EXPECT_EQ(point->m_bOutline, 0);
  EXPECT_EQ(point->m_size, 2.5);
  EXPECT_EQ(point->m_nStyle, 2);
  EXPECT_EQ(EntryAt<CItemPointMatrix>(tree.root, "P.M")->m_points.size(), 6u);
  EXPECT_EQ(EntryAt<CItemPointArc>(tree.root, "P.R")->m_factorY, 0.5);
  EXPECT_EQ(EntryAt<CItemRectangle>(tree.root, "P.Q")->m_vertices[2], CVector(5, 5, 0));
  auto* grid = EntryAt<CItemGrid>(tree.root, "P.G");
  EXPECT_EQ(grid->m_minorColor, CVector(0.6, 0.7, 0.8));
  EXPECT_EQ(grid->m_majorStep, 1.0);
  EXPECT_EQ(grid->m_bMajorCentred, 2); // flags as stored
  EXPECT_EQ(EntryAt<CItemArc2>(tree.root, "P.S")->m_offsetZ, 4.0);
  EXPECT_EQ(EntryAt<CItemEllipsoid>(tree.root, "P.E")->m_phiStart, 5.0);
  auto* cone = EntryAt<CItemCone>(tree.root, "P.C");
  EXPECT_EQ(cone->m_z1, 2.0);
  EXPECT_EQ(cone->m_radius2, 5.0);
  EXPECT_EQ(cone->m_endAngle, 12.0);
  EXPECT_EQ(EntryAt<CLineItem>(tree.root, "P.L")->m_end, CVector(4, 5, 6));
  EXPECT_EQ(EntryAt<CItemEllipse>(tree.root, "P.O")->m_startAngle, 8.0);
}

TEST(GeometricRecords, OneNumberShortRejectsTheEntry)
{
  CParsedTree tree(InProject(
      "point NoColour P _ 1 1 1 2 3 0 0 0 0.5 0.5 0.5 \n" + ColourRecord("point", "A") + "1.5 \n" +
      ColourRecord("pointmatrix", "M") + "1 0 2 3 1 \n" + ColourRecord("pointarc", "R") + "1 1 4 2 1 0.5 0 \n" +
      ColourRecord("grid", "G") + kSquare + "0.1 0.2 0.3 0.6 0.7 0.8 4 0.25 2 1 1 0 2 \n" +
      ColourRecord("grid", "NoVertices") + "0 4\n" + ColourRecord("arc2", "S") + "1 2 3 4 5 6 7 \n" +
      ColourRecord("ellipsoid", "E") + "1 2 3 4 5 6 7 \n" + ColourRecord("cone", "C") + "1 2 3 4 5 6 7 8 9 10 11 \n" +
      ColourRecord("line", "L") + "1 2 3 4 5 6 \n" + ColourRecord("ellipse", "O") + "1 2 3 4 5 6 7 8 \n" +
      ColourRecord("polygon", "Empty", "1 1")));
  EXPECT_TRUE(tree.ok);
  EXPECT_TRUE(tree.root.Children().empty());
}

TEST(GeometricRecords, OldColourRecordsWithoutTheFlagsAreAccepted)
{
  CParsedTree tree(InProject(ColourRecord("point", "Old", "") + "1.000000000000000e+000 0 \n" +
                             ColourRecord("arc2", "S", "") + "1.0 2 3 4 5 6 7 8 "));
  auto* old = EntryAt<CItemPoint>(tree.root, "P.Old");
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(old->m_bOutline, 1);
  EXPECT_EQ(old->m_bFill, 1);
  EXPECT_EQ(old->m_size, 1.0);
  auto* segment = EntryAt<CItemArc2>(tree.root, "P.S");
  ASSERT_NE(segment, nullptr);
  EXPECT_EQ(segment->m_radius, 1.0);
  EXPECT_NE(tree.Write().find("2.500000000000000e-001 1 1 1.000000000000000e+000 0 \n"), std::string::npos);
}

TEST(GeometricRecords, PolygonVerticesMissingFromTheTextReadAsOrigin)
{
  CParsedTree tree(InProject(ColourRecord("polygon", "Short") + "1 3 1 2 3 4 5 6 \n" +
                             ColourRecord("polygon", "Broken") + "2 3 1 2 3 x 5 6 7 8 9 \n" +
                             ColourRecord("polygon", "Bare") + "1 3"));
  auto* shortPolygon = EntryAt<CItemPolygon>(tree.root, "P.Short");
  EXPECT_EQ(shortPolygon->m_bFront, 1);
  EXPECT_EQ(shortPolygon->m_vertices, (CVectorArray{{1, 2, 3}, {4, 5, 6}, {0, 0, 0}}));
  // The text does not move on past an unreadable vertex.
  auto* broken = EntryAt<CItemPolygon>(tree.root, "P.Broken");
  EXPECT_EQ(broken->m_bFront, 0);
  EXPECT_EQ(broken->m_vertices, (CVectorArray{{1, 2, 3}, {0, 0, 0}, {0, 0, 0}}));
  // Flag and count without any text after them: accepted, nothing taken.
  auto* bare = EntryAt<CItemPolygon>(tree.root, "P.Bare");
  EXPECT_EQ(bare->m_bFront, 0);
  EXPECT_TRUE(bare->m_vertices.empty());
}
