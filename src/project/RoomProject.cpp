#include "RoomProject.h"

#include "ItemDouble.h"
#include "ItemSystem.h"
#include "ItemWord.h"
#include "ModelResources.h"
#include "Project.h"
#include "RoomScene.h"
#include "SensorPlacement.h"
#include "SensorSet.h"
#include "TextBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// On a wall the housing reaches 0.08 m above the mounting point: the
// highest mounting keeps it below the ceiling.
constexpr double kCeilingClearance = 0.1;
constexpr const char* kEmptyRoomTitle = "Neuer Raum";

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
  entries.scene = TopLevelEntry(root, root.FindByPath(paths[CModuleCAD1::kWallGroupField]));
  entries.variant = dynamic_cast<CItemChoice*>(root.FindByPath(paths[CModuleCAD1::kChoiceField]));
  entries.ceilingHeight = dynamic_cast<CItemDoubleLink*>(root.FindByPath(paths[CModuleCAD1::kCeilingHeightField]));
  entries.mountingHeight = dynamic_cast<CItemDoubleLink*>(root.FindByPath(project.GetModules().m_mh1.m_strPath));
  if (!entries.scene || !entries.variant || !entries.ceilingHeight || !entries.mountingHeight)
    return false;
  CFieldRef z = root.LocateField(entries.mountingHeight->m_strLinkPath, kLinkNumber);
  entries.mount = dynamic_cast<CItemSystem*>(z.pEntry);
  entries.mountZ = static_cast<double*>(z.pField);
  return entries.mount && entries.mountZ;
}

// The mounting height stays inside the room, the housing below the
// ceiling; on the ceiling the sensor sits at the ceiling, whatever its wall
// limits say.
void FitMountingHeight(CItemDoubleLink& link, double& mountZ, const CRoomPlan& plan)
{
  const bool ceiling = plan.variant == RoomVariant::Ceiling;
  link.m_max = ceiling ? plan.height : std::min(link.m_max, plan.height - kCeilingClearance);
  link.m_min = std::min(link.m_min, link.m_max);
  link.m_value = ceiling ? plan.height : std::clamp(link.m_value, link.m_min, link.m_max);
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
  if (request.offset && !(std::isfinite(*request.offset) && *request.offset > 0.0 && *request.offset < request.width))
    return RoomFault::Offset;
  return RoomFault::None;
}

CRoomPlan RectanglePlan(const RoomRequest& request)
{
  const double w = request.width / 2.0;
  const double d = request.depth;
  CRoomPlan plan;
  plan.outline = {{0.0, -w}, {0.0, w}, {d, w}, {d, -w}};
  plan.height = request.height;
  plan.variant = request.variant;
  plan.sensorOffset = request.offset;
  return plan;
}

RoomFault MakeRoomProject(const RoomRequest& request, CTextBuffer& text)
{
  if (request.drawOutline) {
    if (!IsWithin(request.height, kMinRoomHeight, kMaxRoomHeight))
      return RoomFault::Height;
    CRoomPlan empty;
    empty.height = RoundToStored(request.height);
    empty.variant = request.variant;
    return MakePlanRoomProject(request.modelCode, empty, text) ? RoomFault::None : RoomFault::Model;
  }
  if (RoomFault fault = CheckRoomRequest(request); fault != RoomFault::None)
    return fault;
  CRoomPlan plan = RectanglePlan(request);
  if (CompleteRoomPlan(plan))
    return RoomFault::Offset; // only the offset can still miss: on a door or an obstacle there are none
  return MakePlanRoomProject(request.modelCode, plan, text) ? RoomFault::None : RoomFault::Model;
}

bool ApplyRoomPlan(CProject& project, const CRoomPlan& plan)
{
  ModelEntries entries;
  if (!FindModelEntries(project, entries))
    return false;
  auto* placement = dynamic_cast<CItemSystem*>(entries.mount->m_pParent);
  if (!placement)
    return false;

  CItemGroup& root = project.GetRoot();
  // Library children are never saved: the room becomes the document's own.
  std::unique_ptr<CItemGroup> room = BuildRoomGroup(plan, RoomTitle(plan));
  const CItemGroup& built = *room;
  root.ReplaceChild(*entries.scene, std::move(room));
  const std::string roomPath = PathOf(built);
  auto& paths = project.GetModules().m_cad1.m_paths;
  for (size_t variant = 0; variant < kRoomVariantGroupNames.size(); ++variant)
    paths[CModuleCAD1::kWallGroupField + variant] = roomPath + "." + kRoomVariantGroupNames[variant];
  paths[CModuleCAD1::kCeilingPlateField] =
      paths[CModuleCAD1::kWallGroupField + static_cast<size_t>(RoomVariant::Ceiling)] + "." + kRoomDecorationName +
      "." + kRoomCeilingPlateName;

  entries.variant->m_nValue = static_cast<uint16_t>(plan.variant);
  CItemDoubleLink& ceiling = *entries.ceilingHeight;
  ceiling.m_value = plan.height;
  ceiling.m_min = std::min(ceiling.m_min, plan.height);
  ceiling.m_max = std::max(ceiling.m_max, plan.height);
  ceiling.m_strLinkPath = paths[CModuleCAD1::kCeilingPlateField] + ".@3";
  FitMountingHeight(*entries.mountingHeight, *entries.mountZ, plan);
  if (!plan.outline.empty()) {
    PlaceSensor(plan, *entries.mount, *placement);
    FollowFurtherSensors(project);
  }
  return true;
}

bool MakePlanRoomProject(int modelCode, const CRoomPlan& plan, CTextBuffer& text)
{
  CTextBuffer modelText;
  if (!LoadModelResource(modelCode, modelText))
    return false;
  std::optional<std::string> placed = InsertPlacementSystem(modelText.View());
  CProject project;
  if (!placed)
    return false;
  modelText.Assign(*placed);
  if (!project.Load(modelText).IsOk() || !ApplyRoomPlan(project, plan))
    return false;
  project.WriteTree(text);
  project.WriteModules(text);
  return true;
}

std::string RoomTitle(const RoomRequest& request)
{
  return request.drawOutline ? kEmptyRoomTitle : RoomTitle(RectanglePlan(request));
}

std::string RoomTitle(const CRoomPlan& plan)
{
  if (plan.outline.empty())
    return kEmptyRoomTitle;
  const auto [low, high] = PolygonBounds(plan.outline);
  char title[96];
  std::snprintf(title, sizeof title, "Raum %.2f x %.2f x %.2f", high.y - low.y, high.x - low.x, plan.height);
  return title;
}
