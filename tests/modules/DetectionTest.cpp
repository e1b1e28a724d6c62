#include "ItemEnable.h"
#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"
#include "ItemWord.h"
#include "LineItem.h"
#include "ModuleCAD1.h"
#include "PolygonMeasure.h"
#include "ProjectReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string Vec(double x, double y, double z)
{
  return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + " ";
}

// A polygon record with the given local vertices: grey, both switches on.
std::string Polygon(const std::string& name, const std::string& parent, const CVectorArray& vertices)
{
  std::string record = "polygon " + name + " " + parent + " _ 1 1 " + Vec(0, 0, 0) + Vec(0, 0, 0) + Vec(0.8, 0.8, 0.8) +
                       Vec(0, 0, 0) + "1 1 0 " + std::to_string(vertices.size()) + " ";
  for (const CVector& v : vertices)
    record += Vec(v.x, v.y, v.z);
  return record + "\n";
}

std::string System(const std::string& name, const std::string& parent, const CVector& position)
{
  return "begin-system " + name + " " + parent + " _ 1 1 0 " + Vec(position.x, position.y, position.z) + Vec(0, 0, 0) +
         "\n";
}

const CVectorArray kFloor{{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};

// Square facet of the lens frame, centred at (cx, cy) and dz below the element.
CVectorArray Facet(double cx, double cy, double dz)
{
  return {
      {cx - 0.25, cy - 0.25, dz}, {cx + 0.25, cy - 0.25, dz}, {cx + 0.25, cy + 0.25, dz}, {cx - 0.25, cy + 0.25, dz}};
}

// The sensor element sits 2 m above a 2 m x 2 m floor square once the wall
// variant has moved the mount by (0.035, 0, 0.05). Lens 1 holds a facet
// whose image lies inside the floor, lens 2 one that faces away, lens 3 one
// whose image hangs over the floor's edge by half.
std::string DetectionProject(int variant, int rays)
{
  std::string text = "begin-sim-data P  _ 1 1 0 \n";
  for (const char* group : {"V0", "V1", "V2"})
    text += std::string("begin-group ") + group + " P _ 1 1 0 \n" + Polygon("Floor", group, kFloor) + "end-group\n";
  text += "choice Var P _ 1 1 " + std::to_string(variant) + " 0 2 Wand Decke Ecke \n";
  text += "doublelink Ceil P _ 1 1 3.25 0 5 P.Plate.@3 \n";
  text += Polygon("Plate", "P", kFloor);
  text += System("Holder", "P", {-0.035, 0, 1.95});
  text += System("Mount", "Holder", {0, 0, 0});
  text += System("Attitude", "Mount", {0, 0, 0});
  text += "point Element Attitude _ 1 1 " + Vec(0, 0, 0) + Vec(0, 0, 0) + Vec(1, 0, 0) + Vec(0, 0, 0) + "1 1 0.01 2 \n";
  text += System("Lens1", "Attitude", {0, 0, 0}) + Polygon("F", "Lens1", Facet(0, 0, -1)) + "end-system\n";
  text += System("Lens2", "Attitude", {0, 0, 0}) + Polygon("F", "Lens2", Facet(0, 0, 1)) + "end-system\n";
  text += System("Lens3", "Attitude", {0, 0, 0}) + Polygon("F", "Lens3", Facet(0.5, 0, -1)) + "end-system\n";
  text += "end-system\nend-system\n";
  text += System("Bracket", "Holder", {0, 0, 0}) + "end-system\n";
  text += "end-system\n";
  text += "begin-group Results P _ 1 1 0 \nenable Old Results _ 1 1 1 \nend-group\n";
  text += "enable Lens1On P _ 1 1 1 \nenable Lens2On P _ 1 1 1 \nenable Lens3On P _ 1 1 1 \n";
  text += "enable Rays P _ 1 1 " + std::to_string(rays) + " \n";
  return text + "end-sim-data";
}

class Detection : public ::testing::Test {
protected:
  void Load(int variant, int rays = 0)
  {
    CParseContext context;
    ASSERT_TRUE(Parse(DetectionProject(variant, rays), m_root, context));
    m_root.ResolveLinksOfTree();
    m_root.UpdateTransformsOfTree();
    std::istringstream paths("P.V0 P.V1 P.V2 P.Var P.Ceil P.Plate P.Holder.Mount P.Holder.Mount.Attitude "
                             "P.Holder.Bracket P.Holder.Mount.Attitude.Element P.Holder.Mount.Attitude.Lens1 "
                             "P.Holder.Mount.Attitude.Lens2 P.Holder.Mount.Attitude.Lens3 P.Results P.Lens1On "
                             "P.Lens2On P.Lens3On P.Rays");
    for (std::string& path : m_cad1.m_paths)
      paths >> path;
  }
  CItemGroup& Results() { return *m_root.FindByPath("P.Results")->AsGroup(); }
  std::vector<std::string> ResultNames()
  {
    std::vector<std::string> names;
    for (const auto& child : Results().Children())
      names.push_back(child->m_strName);
    return names;
  }
  template <class T> T& At(const char* path) { return *dynamic_cast<T*>(m_root.FindByPath(path)); }

  CItemGroup m_root;
  CModuleCAD1 m_cad1;
};

} // namespace

TEST_F(Detection, ProjectsFacetsOntoTheVisibleSurfaces)
{
  Load(0);
  ASSERT_EQ(m_cad1.Run(m_root).status, 0);
  ASSERT_EQ(ResultNames(), (std::vector<std::string>{"Poly1", "Poly2"}));
  // The patches' shapes are ProjectAndClip's tests; here lens 1's image has
  // the area the mount's height gives, lens 3's cut one is kept, lens 2's
  // is dropped.
  auto& inside = dynamic_cast<CItemPolygon&>(*Results().Children()[0]);
  EXPECT_NEAR(PolygonArea(inside.m_vertices), 1.0, 1e-9);
  EXPECT_EQ(inside.m_strDescription, "generiert CModuleInfot CAD1");
  EXPECT_EQ(inside.m_bFront, 1);
  EXPECT_EQ(inside.m_fillColor, CVector(1.0, 0.5, 0.0));
  EXPECT_EQ(inside.m_pParent, &Results());

  // The wall variant: only its group shows, the mount takes its offsets.
  EXPECT_EQ(At<CItemGroup>("P.V0").m_bVisible, 1);
  EXPECT_EQ(At<CItemGroup>("P.V1").m_bVisible, 0);
  EXPECT_EQ(At<CItemSystem>("P.Holder.Mount").m_position, CVector(0.035, 0, 0.05));
  EXPECT_EQ(At<CItemSystem>("P.Holder.Bracket").m_bVisible, 0);
  EXPECT_EQ(At<CItemPolygon>("P.Plate").m_position.z, 3.25);

  // Running again gives the same entries.
  ASSERT_EQ(m_cad1.Run(m_root).status, 0);
  EXPECT_EQ(ResultNames(), (std::vector<std::string>{"Poly1", "Poly2"}));
}

TEST_F(Detection, LensSwitchesAndRays)
{
  Load(0, 1);
  At<CItemEnable>("P.Lens1On").m_bValue = 0;
  ASSERT_EQ(m_cad1.Run(m_root).status, 0);
  ASSERT_EQ(ResultNames(), (std::vector<std::string>{"Poly1", "Line1.0", "Line1.1", "Line1.2", "Line1.3"}));
  auto& ray = dynamic_cast<CLineItem&>(*Results().Children()[1]);
  EXPECT_NEAR(ray.m_start.z, 2.0, 1e-9);
  EXPECT_EQ(ray.m_end, dynamic_cast<CItemPolygon&>(*Results().Children()[0]).m_vertices[0]);
  EXPECT_EQ(ray.m_lineColor, CVector(0, 0, 1));
  EXPECT_EQ(ray.m_pParent, &Results());

  // A switch path that leads nowhere counts as on.
  m_cad1.m_paths[14] = "P.Missing";
  ASSERT_EQ(m_cad1.Run(m_root).status, 0);
  EXPECT_EQ(ResultNames().size(), 2u + 2 * 4);
}

TEST_F(Detection, CeilingAndCornerVariants)
{
  Load(1);
  ASSERT_EQ(m_cad1.Run(m_root).status, 0);
  EXPECT_EQ(At<CItemGroup>("P.V1").m_bVisible, 1);
  EXPECT_EQ(At<CItemGroup>("P.V0").m_bVisible, 0);
  EXPECT_EQ(At<CItemSystem>("P.Holder.Mount.Attitude").m_rotation.y, 90);
  EXPECT_EQ(At<CItemPolygon>("P.Plate").m_position.z, 3.25);
  At<CItemChoice>("P.Var").m_nValue = 2;
  At<CItemPolygon>("P.Plate").m_position.z = 1;
  ASSERT_EQ(m_cad1.Run(m_root).status, 0);
  EXPECT_EQ(At<CItemGroup>("P.V2").m_bVisible, 1);
  EXPECT_EQ(At<CItemSystem>("P.Holder.Bracket").m_bVisible, 1);
  EXPECT_EQ(At<CItemSystem>("P.Holder.Mount").m_rotation.z, 45);
  EXPECT_EQ(At<CItemSystem>("P.Holder.Mount.Attitude").m_rotation.y, 0);
  EXPECT_EQ(At<CItemPolygon>("P.Plate").m_position.z, 1);
}

TEST_F(Detection, RefusesRunsThatWouldDamageTheTree)
{
  Load(0);
  const std::vector<std::string> untouched{"Old"};
  At<CItemChoice>("P.Var").m_nValue = 3;
  EXPECT_EQ(m_cad1.Run(m_root).status, -1);
  EXPECT_EQ(ResultNames(), untouched);
  EXPECT_EQ(At<CItemGroup>("P.V0").m_bVisible, 1);
  At<CItemChoice>("P.Var").m_nValue = 0;

  // A results group that is, or holds, something the run needs.
  for (const char* results : {"P", "P.V0", "P.Holder", "P.Holder.Mount.Attitude.Lens1"}) {
    m_cad1.m_paths[13] = results;
    EXPECT_EQ(m_cad1.Run(m_root).status, -1) << results;
    EXPECT_EQ(ResultNames(), untouched);
  }
  m_cad1.m_paths[13] = "P.Results";
  // A required entry missing or of another kind.
  m_cad1.m_paths[17] = "P.Var";
  EXPECT_EQ(m_cad1.Run(m_root).status, -1);
  m_cad1.m_paths[17] = "P.Rays";
  m_cad1.m_paths[9] = "P.Holder";
  EXPECT_EQ(m_cad1.Run(m_root).status, -1);
  EXPECT_EQ(ResultNames(), untouched);
}
