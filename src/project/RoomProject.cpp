#include "RoomProject.h"

#include "ItemDouble.h"
#include "ItemSystem.h"
#include "ItemWord.h"
#include "ModelResources.h"
#include "Project.h"
#include "RoomScene.h"
#include "TextBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The built-in models hang the sensor on the wall x = 0; the mounting
// point stands off it by the bracket.
constexpr double kSensorWallX = 0.0;
// On a wall the housing reaches 0.08 m above the mounting point: the
// highest mounting keeps it below the ceiling.
constexpr double kCeilingClearance = 0.1;

// CAD1 fields, counted from 0.
constexpr size_t kWallGroupField = 0;
constexpr size_t kChoiceField = 3;
constexpr size_t kCeilingHeightField = 4;
constexpr size_t kCeilingPlateField = 5;

bool IsWithin(double value, double low, double high)
{
  return std::isfinite(value) && value >= low && value <= high;
}

std::string PathOf(const CItemBase& entry)
{
  return entry.m_pParent ? PathOf(*entry.m_pParent) + "." + entry.m_strName : entry.m_strName;
}

// The child of the root that holds the entry; null when it is not below it.
CItemBase* TopLevelEntry(const CItemGroup& root, CItemBase* entry)
{
  while (entry && entry->m_pParent && entry->m_pParent != &root)
    entry = entry->m_pParent;
  return entry && entry->m_pParent == &root ? entry : nullptr;
}

// The entries of a built-in model that the room replaces or adjusts.
struct ModelEntries {
  CItemBase* scene = nullptr;
  CItemChoice* variant = nullptr;
  CItemDoubleLink* ceilingHeight = nullptr;
  CItemDoubleLink* mountingHeight = nullptr;
  CItemSystem* mount = nullptr;
  double* mountZ = nullptr;
};

bool FindModelEntries(CProject& project, ModelEntries& entries)
{
  CItemGroup& root = project.GetRoot();
  const auto& paths = project.GetModules().m_cad1.m_paths;
  entries.scene = TopLevelEntry(root, root.FindByPath(paths[kWallGroupField]));
  entries.variant = dynamic_cast<CItemChoice*>(root.FindByPath(paths[kChoiceField]));
  entries.ceilingHeight = dynamic_cast<CItemDoubleLink*>(root.FindByPath(paths[kCeilingHeightField]));
  entries.mountingHeight = dynamic_cast<CItemDoubleLink*>(root.FindByPath(project.GetModules().m_mh1.m_strPath));
  if (!entries.scene || !entries.variant || !entries.ceilingHeight || !entries.mountingHeight)
    return false;
  CFieldRef z = root.LocateField(entries.mountingHeight->m_strLinkPath, kLinkNumber);
  entries.mount = dynamic_cast<CItemSystem*>(z.pEntry);
  entries.mountZ = static_cast<double*>(z.pField);
  return entries.mount && entries.mountZ;
}

// Each variant's room placed around the shared mounting point: the wall
// room along the sensor's wall at the offset, the ceiling room centred
// under it, the corner room with its corner behind it: the bracket stands
// off both walls as it stands off the wall of the wall room.
RoomLayout PlaceRooms(const RoomRequest& request, const CVector& mount)
{
  const double offset = request.offset.value_or(request.width / 2.0);
  const double cornerY = mount.y - (mount.x - kSensorWallX);
  RoomLayout layout;
  layout.rooms[static_cast<size_t>(RoomVariant::Wall)] = {kSensorWallX, mount.y - offset,
                                                          kSensorWallX + request.depth,
                                                          mount.y - offset + request.width};
  layout.rooms[static_cast<size_t>(RoomVariant::Ceiling)] = {mount.x - request.depth / 2.0,
                                                             mount.y - request.width / 2.0,
                                                             mount.x + request.depth / 2.0,
                                                             mount.y + request.width / 2.0};
  layout.rooms[static_cast<size_t>(RoomVariant::Corner)] = {kSensorWallX, cornerY, kSensorWallX + request.depth,
                                                            cornerY + request.width};
  layout.height = request.height;
  layout.platePosition = {mount.x, mount.y, request.height};
  layout.visibleVariant = static_cast<int>(request.variant);
  layout.description = RoomTitle(request);
  return layout;
}

// The mounting height stays inside the room, the housing below the
// ceiling; on the ceiling the sensor sits at the ceiling, whatever its wall
// limits say.
void FitMountingHeight(CItemDoubleLink& link, double& mountZ, const RoomRequest& request)
{
  const bool ceiling = request.variant == RoomVariant::Ceiling;
  link.m_max = ceiling ? request.height : std::min(link.m_max, request.height - kCeilingClearance);
  link.m_min = std::min(link.m_min, link.m_max);
  link.m_value = ceiling ? request.height : std::clamp(link.m_value, link.m_min, link.m_max);
  mountZ = link.m_value;
}

} // namespace

RoomFault CheckRoomRequest(const RoomRequest& request)
{
  if (!IsWithin(request.width, kMinRoomSide, kMaxRoomSide))
    return RoomFault::Width;
  if (!IsWithin(request.depth, kMinRoomSide, kMaxRoomSide))
    return RoomFault::Depth;
  if (!IsWithin(request.height, kMinRoomHeight, kMaxRoomHeight))
    return RoomFault::Height;
  if (request.offset) {
    if (request.variant != RoomVariant::Wall)
      return RoomFault::OffsetVariant;
    if (!std::isfinite(*request.offset) || *request.offset <= 0.0 || *request.offset >= request.width)
      return RoomFault::Offset;
  }
  return RoomFault::None;
}

RoomFault MakeRoomProject(const RoomRequest& request, CTextBuffer& text)
{
  if (RoomFault fault = CheckRoomRequest(request); fault != RoomFault::None)
    return fault;
  CTextBuffer modelText;
  if (!LoadModelResource(request.modelCode, modelText))
    return RoomFault::Model;
  CProject project;
  ModelEntries entries;
  if (!project.Load(modelText).IsOk() || !FindModelEntries(project, entries))
    return RoomFault::Model;

  CItemGroup& root = project.GetRoot();
  const CVector mount = entries.mount->m_position;
  // Library children are never saved: the room becomes the document's own.
  std::unique_ptr<CItemGroup> room = BuildRoomGroup(PlaceRooms(request, mount));
  const CItemGroup& placed = *room;
  root.ReplaceChild(*entries.scene, std::move(room));
  const std::string roomPath = PathOf(placed);
  auto& paths = project.GetModules().m_cad1.m_paths;
  for (size_t variant = 0; variant < kRoomVariantGroupNames.size(); ++variant)
    paths[kWallGroupField + variant] = roomPath + "." + kRoomVariantGroupNames[variant];
  paths[kCeilingPlateField] = paths[kWallGroupField + static_cast<size_t>(RoomVariant::Ceiling)] + "." +
                              kRoomDecorationName + "." + kRoomCeilingPlateName;

  entries.variant->m_nValue = static_cast<uint16_t>(request.variant);
  CItemDoubleLink& ceiling = *entries.ceilingHeight;
  ceiling.m_value = request.height;
  ceiling.m_min = std::min(ceiling.m_min, request.height);
  ceiling.m_max = std::max(ceiling.m_max, request.height);
  ceiling.m_strLinkPath = paths[kCeilingPlateField] + ".@3";
  FitMountingHeight(*entries.mountingHeight, *entries.mountZ, request);

  project.WriteTree(text);
  project.WriteModules(text);
  return RoomFault::None;
}

std::string RoomTitle(const RoomRequest& request)
{
  char title[96];
  std::snprintf(title, sizeof title, "Raum %.2f x %.2f x %.2f", request.width, request.depth, request.height);
  return title;
}
