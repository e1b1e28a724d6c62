#include "PlanEntries.h"

#include "ItemDouble.h"
#include "ItemGroup.h"
#include "ItemPoint.h"
#include "ItemWord.h"
#include "PlanEntryFields.h"
#include "PlanUnderlay.h"
#include "Project.h"

namespace {

const std::string kHeight = "H\xf6he";

std::unique_ptr<CItemGroup> MakeGroup(const std::string& name, const std::string& description)
{
  auto group = std::make_unique<CItemGroup>();
  group->m_strName = name;
  group->m_strDescription = description;
  return group;
}

void AddCorners(CItemGroup& group, const CPlanPolygon& corners)
{
  for (size_t k = 0; k < corners.size(); ++k)
    AddPoint(group, "Ecke" + std::to_string(k + 1), corners[k]);
}

// Reads the named children of a group; any missing one fails the whole read.
class CEntryReader {
public:
  explicit CEntryReader(const CItemGroup& group) : m_group(group) {}

  double Number(const std::string& name)
  {
    const auto* entry = Find<CItemDouble>(name);
    return entry ? entry->m_value : 0.0;
  }
  size_t Index(const std::string& name)
  {
    const auto* entry = Find<CItemWord>(name);
    return entry ? entry->m_nValue : 0;
  }
  CPlanPoint Point(const std::string& name)
  {
    const auto* entry = Find<CItemPoint>(name);
    return entry ? CPlanPoint{entry->m_position.x, entry->m_position.y} : CPlanPoint{};
  }
  const CItemGroup* Group(const std::string& name) { return Find<CItemGroup>(name); }
  // Ecke1, Ecke2, ... up to the first one missing.
  CPlanPolygon Corners() const
  {
    CPlanPolygon corners;
    for (size_t k = 1;; ++k) {
      const auto* entry = dynamic_cast<const CItemPoint*>(m_group.FindChild("Ecke" + std::to_string(k)));
      if (!entry)
        return corners;
      corners.push_back({entry->m_position.x, entry->m_position.y});
    }
  }
  bool IsComplete() const { return m_bComplete; }

private:
  template <class T> const T* Find(const std::string& name)
  {
    const auto* entry = dynamic_cast<const T*>(m_group.FindChild(name));
    m_bComplete = m_bComplete && entry;
    return entry;
  }

  const CItemGroup& m_group;
  bool m_bComplete = true;
};

// Tür1, Tür2, ... (and the like) up to the first one missing.
template <class Read> bool ReadNumbered(const CItemGroup& group, const std::string& stem, Read read)
{
  for (size_t k = 1;; ++k) {
    const auto* child = dynamic_cast<const CItemGroup*>(group.FindChild(stem + std::to_string(k)));
    if (!child)
      return true;
    CEntryReader reader(*child);
    read(reader, *child);
    if (!reader.IsComplete())
      return false;
  }
}

} // namespace

std::unique_ptr<CItemGroup> MakePlanGroup(const CRoomPlan& plan)
{
  auto group = MakeGroup(kPlanGroupName, "Grundriss des Raums");
  group->m_bVisible = 0;
  AddNumber(*group, kHeight, plan.height);
  AddIndex(*group, "Montagewand", plan.sensorWall);
  AddNumber(*group, "Montageabstand", plan.sensorOffset.value_or(0.0));
  AddPoint(*group, "Deckenplatz", plan.sensorAt.value_or(CPlanPoint{}));
  AddIndex(*group, "Montageecke", plan.sensorCorner.value_or(0));
  AddCorners(*group, plan.outline);
  for (size_t i = 0; i < plan.doors.size(); ++i) {
    const CPlanDoor& door = plan.doors[i];
    auto entry = MakeGroup("T\xfcr" + std::to_string(i + 1), std::string());
    AddIndex(*entry, "Wand", door.wall);
    AddNumber(*entry, "Abstand", door.offset);
    AddNumber(*entry, "Breite", door.width);
    AddNumber(*entry, kHeight, door.height);
    group->AddChild(std::move(entry));
  }
  for (size_t i = 0; i < plan.obstacles.size(); ++i) {
    const CPlanObstacle& obstacle = plan.obstacles[i];
    auto entry = MakeGroup("Hindernis" + std::to_string(i + 1), std::string());
    AddPoint(*entry, "Mitte", obstacle.centre);
    AddNumber(*entry, "Breite", obstacle.width);
    AddNumber(*entry, "Tiefe", obstacle.depth);
    AddNumber(*entry, kHeight, obstacle.height);
    AddNumber(*entry, "Winkel", obstacle.angle);
    group->AddChild(std::move(entry));
  }
  for (size_t i = 0; i < plan.zones.size(); ++i) {
    auto entry = MakeGroup("Zone" + std::to_string(i + 1), plan.zones[i].name);
    AddCorners(*entry, plan.zones[i].corners);
    group->AddChild(std::move(entry));
  }
  if (plan.underlay)
    group->AddChild(MakeUnderlayGroup(*plan.underlay));
  return group;
}

std::optional<CRoomPlan> ReadPlanGroup(const CItemGroup& group, RoomVariant variant)
{
  CRoomPlan plan;
  plan.variant = variant;
  CEntryReader reader(group);
  plan.height = reader.Number(kHeight);
  plan.sensorWall = reader.Index("Montagewand");
  plan.sensorOffset = reader.Number("Montageabstand");
  plan.sensorAt = reader.Point("Deckenplatz");
  plan.sensorCorner = reader.Index("Montageecke");
  plan.outline = reader.Corners();
  bool complete = reader.IsComplete();
  complete = complete && ReadNumbered(group, "T\xfcr", [&plan](CEntryReader& entry, const CItemGroup&) {
               plan.doors.push_back(
                   {entry.Index("Wand"), entry.Number("Abstand"), entry.Number("Breite"), entry.Number(kHeight)});
             });
  complete = complete && ReadNumbered(group, "Hindernis", [&plan](CEntryReader& entry, const CItemGroup&) {
               plan.obstacles.push_back({entry.Point("Mitte"), entry.Number("Breite"), entry.Number("Tiefe"),
                                         entry.Number(kHeight), entry.Number("Winkel")});
             });
  complete = complete && ReadNumbered(group, "Zone", [&plan](CEntryReader& entry, const CItemGroup& zone) {
               plan.zones.push_back({zone.m_strDescription, entry.Corners()});
             });
  plan.underlay = ReadUnderlayGroup(group);
  if (!complete || CompleteRoomPlan(plan))
    return std::nullopt;
  return plan;
}

namespace {

CItemGroup* FindPlanGroup(CProject& project, RoomVariant& variant)
{
  CItemGroup& root = project.GetRoot();
  const auto& paths = project.GetModules().m_cad1.m_paths;
  const CItemBase* wallGroup = root.FindByPath(paths[CModuleCAD1::kWallGroupField]);
  const auto* choice = dynamic_cast<const CItemChoice*>(root.FindByPath(paths[CModuleCAD1::kChoiceField]));
  if (!wallGroup || !wallGroup->m_pParent || !choice || choice->m_nValue > 2)
    return nullptr;
  variant = static_cast<RoomVariant>(choice->m_nValue);
  return dynamic_cast<CItemGroup*>(wallGroup->m_pParent->FindChild(kPlanGroupName));
}

} // namespace

std::optional<CRoomPlan> FindRoomPlan(CProject& project)
{
  RoomVariant variant = RoomVariant::Wall;
  const CItemGroup* planGroup = FindPlanGroup(project, variant);
  if (!planGroup)
    return std::nullopt;
  return ReadPlanGroup(*planGroup, variant);
}

std::optional<CRoomPlan> FindEditablePlan(CProject& project)
{
  RoomVariant variant = RoomVariant::Wall;
  const CItemGroup* planGroup = FindPlanGroup(project, variant);
  if (!planGroup)
    return std::nullopt;
  if (std::optional<CRoomPlan> plan = ReadPlanGroup(*planGroup, variant))
    return plan;
  CEntryReader reader(*planGroup);
  CRoomPlan empty;
  empty.variant = variant;
  empty.height = reader.Number(kHeight);
  empty.underlay = ReadUnderlayGroup(*planGroup);
  if (!reader.IsComplete() || !reader.Corners().empty())
    return std::nullopt;
  return empty;
}

void RebaseUnderlay(CProject& project, const std::string& fromPath, const std::string& toPath)
{
  RoomVariant variant = RoomVariant::Wall;
  if (CItemGroup* planGroup = FindPlanGroup(project, variant))
    RebaseUnderlayGroup(*planGroup, fromPath, toPath);
}
