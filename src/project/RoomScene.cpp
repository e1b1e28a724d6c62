#include "RoomScene.h"

#include "ItemGrid.h"
#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "RoomProject.h"
#include "TreeControl.h"

namespace {

const CVector kWallColour{0.86, 0.84, 0.78};
const CVector kFloorColour{0.72, 0.74, 0.70};
const CVector kCeilingColour{0.95, 0.95, 0.95};
// The start view's eye stands above the +x +y corner: the walls on those
// sides would hide the floor, so they drop to a skirting of this height.
constexpr double kSkirtingHeight = 0.3;
constexpr double kPlateHalfSide = 0.3;

std::unique_ptr<CItemGroup> MakeGroup(const std::string& name, const std::string& description, bool expanded)
{
  auto group = std::make_unique<CItemGroup>();
  group->m_strName = name;
  group->m_strDescription = description;
  group->m_nTreeState = expanded ? kTreeStateExpanded : 0;
  return group;
}

std::unique_ptr<CItemPolygon> MakePolygon(const std::string& name, const CVectorArray& vertices,
                                          const CVector& colour)
{
  auto polygon = std::make_unique<CItemPolygon>();
  polygon->m_strName = name;
  polygon->m_vertices = vertices;
  polygon->m_fillColor = colour;
  return polygon;
}

// Anticlockwise seen from above, so its face normal points up into the room.
std::unique_ptr<CItemGrid> MakeFloor(const RoomRect& r)
{
  auto floor = std::make_unique<CItemGrid>();
  floor->m_strName = "Boden";
  floor->m_strDescription = "Fu\xdf"
                            "boden";
  floor->m_vertices = {{r.x1, r.y1, 0.0}, {r.x2, r.y1, 0.0}, {r.x2, r.y2, 0.0}, {r.x1, r.y2, 0.0}};
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

// A wall between the floor points a and b of the room walked anticlockwise:
// its face normal points into the room, as the clipping expects of targets.
std::unique_ptr<CItemPolygon> MakeWall(const char* side, double ax, double ay, double bx, double by, double top)
{
  return MakePolygon(std::string("Wand ") + side, {{bx, by, 0.0}, {ax, ay, 0.0}, {ax, ay, top}, {bx, by, top}},
                     kWallColour);
}

void AddRoom(CItemGroup& group, const RoomRect& r, double height)
{
  group.AddChild(MakeFloor(r));
  group.AddChild(MakeWall("vorn", r.x1, r.y1, r.x2, r.y1, height));
  group.AddChild(MakeWall("rechts", r.x2, r.y1, r.x2, r.y2, kSkirtingHeight));
  group.AddChild(MakeWall("hinten", r.x2, r.y2, r.x1, r.y2, kSkirtingHeight));
  group.AddChild(MakeWall("links", r.x1, r.y2, r.x1, r.y1, height));
}

std::unique_ptr<CItemPolygon> MakeCeilingPlate(const CVector& position)
{
  const double s = kPlateHalfSide;
  auto plate = MakePolygon(kRoomCeilingPlateName, {{-s, -s, 0.0}, {s, -s, 0.0}, {s, s, 0.0}, {-s, s, 0.0}},
                           kCeilingColour);
  plate->m_position = position;
  return plate;
}

} // namespace

std::unique_ptr<CItemGroup> BuildRoomGroup(const RoomLayout& layout)
{
  static constexpr std::array<const char*, 3> kDescriptions{"Raum f\xfcr Wandmontage", "Raum f\xfcr Deckenmontage",
                                                            "Raum f\xfcr Eckmontage"};
  auto room = MakeGroup(kRoomGroupName, layout.description, true);
  for (size_t variant = 0; variant < layout.rooms.size(); ++variant) {
    auto group = MakeGroup(kRoomVariantGroupNames[variant], kDescriptions[variant], true);
    group->m_bVisible = static_cast<int>(variant) == layout.visibleVariant ? 1 : 0;
    AddRoom(*group, layout.rooms[variant], layout.height);
    // The ceiling plate takes the ceiling height on every detection run; in
    // a subgroup it is drawn but never a target.
    if (variant == static_cast<size_t>(RoomVariant::Ceiling)) {
      auto decoration = MakeGroup(kRoomDecorationName, std::string(), false);
      decoration->AddChild(MakeCeilingPlate(layout.platePosition));
      group->AddChild(std::move(decoration));
    }
    room->AddChild(std::move(group));
  }
  return room;
}
