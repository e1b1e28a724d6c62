#include "RoomScene.h"

#include "ItemGrid.h"
#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "PlanEntries.h"
#include "PlanTargets.h"
#include "TreeControl.h"

namespace {

const CVector kWallColour{0.86, 0.84, 0.78};
const CVector kFloorColour{0.72, 0.74, 0.70};
const CVector kFurnitureColour{0.62, 0.45, 0.28};
const CVector kCeilingColour{0.95, 0.95, 0.95};
constexpr double kPlateHalfSide = 0.3;

std::unique_ptr<CItemGroup> MakeGroup(const std::string& name, const std::string& description, bool expanded)
{
  auto group = std::make_unique<CItemGroup>();
  group->m_strName = name;
  group->m_strDescription = description;
  group->m_nTreeState = expanded ? kTreeStateExpanded : 0;
  return group;
}

std::unique_ptr<CItemPolygon> MakePolygon(const std::string& name, const CVectorArray& vertices, const CVector& colour)
{
  auto polygon = std::make_unique<CItemPolygon>();
  polygon->m_strName = name;
  polygon->m_vertices = vertices;
  polygon->m_fillColor = colour;
  return polygon;
}

std::unique_ptr<CItemGrid> MakeFloor(const std::string& name, const CVectorArray& vertices)
{
  auto floor = std::make_unique<CItemGrid>();
  floor->m_strName = name;
  floor->m_strDescription = "Fu\xdf"
                            "boden";
  floor->m_vertices = vertices;
  floor->m_fillColor = kFloorColour;
  floor->m_lineColor = {0.2, 0.2, 0.2};
  // Lines every metre, one pixel wide: finer lines drawn over the patches
  // would cover half of them in the start view.
  floor->m_majorColor = {0.35, 0.35, 0.35};
  floor->m_minorColor = {0.62, 0.62, 0.62};
  floor->m_nDivisions = 5;
  floor->m_minorStep = 0.2;
  floor->m_majorStep = 1.0;
  floor->m_majorWidth = 1.0;
  floor->m_minorWidth = 1.0;
  floor->m_bMajorLines = 1;
  floor->m_bMinorLines = 0;
  floor->m_bMajorCentred = 0;
  floor->m_bMinorCentred = 0;
  return floor;
}

std::unique_ptr<CItemPolygon> MakeCeilingPlate(const CVector& position)
{
  const double s = kPlateHalfSide;
  auto plate =
      MakePolygon(kRoomCeilingPlateName, {{-s, -s, 0.0}, {s, -s, 0.0}, {s, s, 0.0}, {-s, s, 0.0}}, kCeilingColour);
  plate->m_position = position;
  return plate;
}

} // namespace

std::unique_ptr<CItemGroup> BuildRoomGroup(const CRoomPlan& plan, const std::string& description)
{
  static constexpr std::array<const char*, 3> kDescriptions{"Raum f\xfcr Wandmontage", "Raum f\xfcr Deckenmontage",
                                                            "Raum f\xfcr Eckmontage"};
  const std::vector<CPlanTarget> targets = plan.outline.empty() ? std::vector<CPlanTarget>() : PlanTargets(plan);
  auto room = MakeGroup(kRoomGroupName, description, true);
  for (size_t variant = 0; variant < kRoomVariantGroupNames.size(); ++variant) {
    auto group = MakeGroup(kRoomVariantGroupNames[variant], kDescriptions[variant], true);
    group->m_bVisible = variant == static_cast<size_t>(plan.variant) ? 1 : 0;
    for (const CPlanTarget& target : targets) {
      if (target.kind == PlanSurface::Floor)
        group->AddChild(MakeFloor(target.name, target.vertices));
      else
        group->AddChild(MakePolygon(target.name, target.vertices,
                                    target.kind == PlanSurface::Wall ? kWallColour : kFurnitureColour));
    }
    // The ceiling plate takes the ceiling height on every detection run; in
    // a subgroup it is drawn but never a target.
    if (variant == static_cast<size_t>(RoomVariant::Ceiling)) {
      auto decoration = MakeGroup(kRoomDecorationName, std::string(), false);
      decoration->AddChild(MakeCeilingPlate(
          {plan.sensorAt.value_or(CPlanPoint{}).x, plan.sensorAt.value_or(CPlanPoint{}).y, plan.height}));
      group->AddChild(std::move(decoration));
    }
    room->AddChild(std::move(group));
  }
  room->AddChild(MakePlanGroup(plan));
  return room;
}
