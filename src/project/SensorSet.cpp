#include "SensorSet.h"

#include "BuiltinModels.h"
#include "DetectionHeight.h"
#include "ItemDouble.h"
#include "ItemGroup.h"
#include "ItemPoint.h"
#include "ItemSystem.h"
#include "ItemWord.h"
#include "ModelResources.h"
#include "ModuleSection.h"
#include "PlanEntries.h"
#include "PlanEntryFields.h"
#include "Project.h"
#include "ProjectText.h"
#include "RoomProject.h"
#include "SensorPlacement.h"
#include "TextBuffer.h"

#include <algorithm>
#include <array>

namespace {

// CAD1 fields, counted from 0: the room's, which every sensor shares (the
// variant groups, the ceiling height and plate), and the variant choice.
constexpr std::array<size_t, 5> kRoomFields{0, 1, 2, 4, 5};
constexpr int kCad1Index = 2;
constexpr std::array<int, 3> kValueIndices{3, 4, 5}; // MH1, DW1, KW1

const std::string kModelEntry = "Modell";
const std::string kCeilingHeightRecord = "doublelink Deckenh\xf6he ";

std::string GroupName(size_t sensor)
{
  return kSensorGroupStem + std::to_string(sensor);
}

// A name as records write it: "_" for each blank.
std::string RecordWord(std::string name)
{
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
}

// A built-in model's text with its placement system, and its root's name.
struct CPlacedModel {
  std::string text;
  std::string root;
};

std::optional<CPlacedModel> LoadPlacedModel(int modelCode)
{
  CTextBuffer text;
  if (!LoadModelResource(modelCode, text))
    return std::nullopt;
  std::optional<std::string> placed = InsertPlacementSystem(text.View());
  if (!placed)
    return std::nullopt;
  std::string root(Word(LineAt(*placed, 0), 1));
  return CPlacedModel{std::move(*placed), std::move(root)};
}

template <class T> const T* FindEntry(const CItemGroup& group, const std::string& name)
{
  return dynamic_cast<const T*>(group.FindChild(name));
}

const CItemGroup* FindPlaceGroup(CProject& project, size_t sensor)
{
  const CItemGroup* group = FindSensorGroup(project, sensor);
  return group ? FindEntry<CItemGroup>(*group, kSensorPlaceGroupName) : nullptr;
}

// The model's modules re-rooted into the sensor's group, the room fields
// taken from sensor 1's CAD1.
std::unique_ptr<CModuleTable> MakeSensorModules(CProject& project, size_t sensor)
{
  const CItemGroup* place = FindPlaceGroup(project, sensor);
  const auto* model = place ? FindEntry<CItemWord>(*place, kModelEntry) : nullptr;
  std::optional<CPlacedModel> placed = model ? LoadPlacedModel(model->m_nValue) : std::nullopt;
  const size_t start = placed ? placed->text.find("begin-sim-module") : std::string::npos;
  if (start == std::string::npos)
    return nullptr;
  std::string section = placed->text.substr(start);
  ReplaceAll(section, " " + placed->root + ".",
             " " + RecordWord(project.GetRoot().m_strName + "." + GroupName(sensor)) + ".");
  auto modules = std::make_unique<CModuleTable>();
  ReadModuleSection(section, *modules);
  for (size_t field : kRoomFields)
    modules->m_cad1.m_paths[field] = project.GetModules().m_cad1.m_paths[field];
  return modules;
}

// The records of the top-level entry that starts with `head`, its parent
// renamed; empty when there is none.
std::string TakeRecords(std::string_view text, const std::string& head, const std::string& parent)
{
  const size_t start = text.find("\n" + head);
  const size_t end = start == std::string_view::npos ? start : EndOfSystem(text, start + 1);
  if (end == std::string_view::npos)
    return {};
  std::string records(text.substr(start + 1, end - start - 1));
  const size_t parentAt = records.find(' ', records.find(' ') + 1) + 1;
  records.replace(parentAt, records.find(' ', parentAt) - parentAt, parent);
  return records;
}

std::string WithoutLine(std::string text, const std::string& head)
{
  const size_t start = text.find("\n" + head);
  if (start != std::string::npos)
    text.erase(start + 1, LineAt(text, start + 1).size());
  return text;
}

// The group "Sensor_N" with its place; `inner` goes before its end.
std::string SensorGroupText(const std::string& rootName, size_t sensor, int modelCode, const CRoomPlan& place,
                            const std::string& inner)
{
  CItemGroup root;
  root.m_strName = rootName;
  auto group = std::make_unique<CItemGroup>();
  group->m_strName = GroupName(sensor);
  for (const BuiltinModel& model : kBuiltinModels)
    if (model.code == modelCode)
      group->m_strDescription = model.title + 1;
  auto fields = std::make_unique<CItemGroup>();
  fields->m_strName = kSensorPlaceGroupName;
  fields->m_bVisible = 0;
  AddIndex(*fields, kModelEntry, static_cast<size_t>(modelCode));
  AddIndex(*fields, "Montagewand", place.sensorWall);
  AddNumber(*fields, "Montageabstand", place.sensorOffset.value_or(0.0));
  AddPoint(*fields, "Deckenplatz", place.sensorAt.value_or(CPlanPoint{}));
  AddIndex(*fields, "Montageecke", place.sensorCorner.value_or(0));
  group->AddChild(std::move(fields));
  CItemGroup& written = *group;
  root.AddChild(std::move(group));
  CTextBuffer text;
  written.WriteRecord(text, rootName);
  std::string records(text.View());
  const size_t end = records.rfind("end-group");
  return records.substr(0, end) + inner + records.substr(end);
}

// The project's text, "begin-sim-data" to "end-sim-module".
std::string ProjectText(CProject& project)
{
  CTextBuffer text;
  project.WriteTree(text);
  project.WriteModules(text);
  return std::string(text.View());
}

// Where the records of sensor N's group start and end in the text; none
// when it has none.
std::optional<std::pair<size_t, size_t>> FindGroupRecords(std::string_view text, const std::string& rootName,
                                                          size_t sensor)
{
  const size_t start = text.find("\nbegin-group " + RecordWord(GroupName(sensor)) + " " + RecordWord(rootName) + " ");
  const size_t end = start == std::string_view::npos ? start : EndOfSystem(text, start + 1);
  if (end == std::string_view::npos)
    return std::nullopt;
  return std::make_pair(start + 1, end);
}

// Renames the group's word wherever the records name it: as a name, a
// parent or a step of a link path.
void RenameGroupWord(std::string& records, const std::string& from, const std::string& to)
{
  auto bounds = [](char c) { return c == ' ' || c == '.' || c == '\n'; };
  for (size_t at = records.find(from); at != std::string::npos; at = records.find(from, at + 1)) {
    const size_t after = at + from.size();
    if (at > 0 && bounds(records[at - 1]) && after < records.size() && bounds(records[after])) {
      records.replace(at, from.size(), to);
      at += to.size() - 1;
    }
  }
}

} // namespace

CItemGroup* FindSensorGroup(CProject& project, size_t sensor)
{
  return sensor < 2 ? nullptr : dynamic_cast<CItemGroup*>(project.GetRoot().FindChild(GroupName(sensor)));
}

CSensorSet::CSensorSet(CProject& project) : m_project(project)
{
  for (size_t sensor = 2;; ++sensor) {
    std::unique_ptr<CModuleTable> modules = MakeSensorModules(project, sensor);
    if (!modules)
      break;
    m_extraModules.push_back(std::move(modules));
  }
  m_patchStates.resize(m_extraModules.size());
}

CModuleTable& CSensorSet::Modules(size_t sensor)
{
  return sensor < 2 || sensor > Count() ? m_project.GetModules() : *m_extraModules[sensor - 2];
}

ModuleResult CSensorSet::Run(size_t sensor, int index, bool configure)
{
  if (sensor < 2 || sensor > Count())
    return m_project.RunModule(index, configure);
  CModule* module = Modules(sensor).FindByRunIndex(index);
  if (!module)
    return m_project.RunModule(index, configure);
  const auto pathsBefore = Modules(sensor).m_cad1.m_paths;
  ModuleResult result = m_project.RunForeignModule(*module, configure);
  if (index == kCad1Index) {
    m_patchStates[sensor - 2].Note(Modules(sensor).m_cad1, pathsBefore, configure, result);
    ShowOwnVariant();
    m_project.Refresh();
  }
  return result;
}

SensorValues CSensorSet::ReadValues(size_t sensor)
{
  std::array<double, 3> values{};
  for (size_t k = 0; k < values.size(); ++k) {
    ModuleResult result = Run(sensor, kValueIndices[k]);
    values[k] = result.status < 0 ? 0.0 : result.value;
  }
  Run(sensor, kCad1Index);
  return {values[0], values[1], values[2]};
}

bool CSensorSet::ArePatchesCurrent(size_t sensor) const
{
  return sensor < 2 || sensor > Count() ? m_project.ArePatchesCurrent() : m_patchStates[sensor - 2].bCurrent;
}

bool CSensorSet::AllPatchesCurrent() const
{
  return m_project.ArePatchesCurrent() &&
         std::all_of(m_patchStates.begin(), m_patchStates.end(), [](const CPatchState& s) { return s.bCurrent; });
}

std::vector<std::string> CSensorSet::StalePatchGroups() const
{
  std::vector<std::string> groups;
  for (const CPatchState& state : m_patchStates)
    if (!state.bCurrent && !state.strGroup.empty())
      groups.push_back(state.strGroup);
  return groups;
}

// A further sensor's CAD1 shows the room of its own variant: the room shows
// sensor 1's again.
void CSensorSet::ShowOwnVariant()
{
  CItemGroup& root = m_project.GetRoot();
  const auto& paths = m_project.GetModules().m_cad1.m_paths;
  const auto* choice = dynamic_cast<const CItemChoice*>(root.FindByPath(paths[CModuleCAD1::kChoiceField]));
  if (!choice)
    return;
  for (size_t variant = 0; variant < 3; ++variant)
    if (CItemBase* group = root.FindByPath(paths[variant]))
      group->m_bVisible = variant == choice->m_nValue ? 1 : 0;
}

std::optional<std::string> AddSensorText(CProject& project, int modelCode, const CRoomPlan& place)
{
  std::optional<CPlacedModel> model = LoadPlacedModel(modelCode);
  if (!model || !FindRoomPlan(project))
    return std::nullopt;
  CTextBuffer modelText;
  modelText.Assign(model->text);
  CProject placed;
  if (!placed.Load(modelText).IsOk() || !ApplyRoomPlan(placed, place))
    return std::nullopt;
  CTextBuffer placedText;
  placed.WriteTree(placedText);

  // After the last group, readable or not: no two groups share a name.
  size_t sensor = 2;
  while (FindSensorGroup(project, sensor))
    ++sensor;
  const std::string group = RecordWord(GroupName(sensor));
  const std::string& root = model->root;
  std::string inner =
      TakeRecords(placedText.View(), "begin-system " + std::string(kPlacementSystemName) + " " + root + " ", group) +
      WithoutLine(TakeRecords(placedText.View(), "begin-group Einstellungen " + root + " ", group),
                  kCeilingHeightRecord) +
      TakeRecords(placedText.View(), "begin-group Ergebnis " + root + " ", group);
  const std::string& projectRoot = project.GetRoot().m_strName;
  ReplaceAll(inner, " " + root + ".", " " + RecordWord(projectRoot) + "." + group + ".");

  std::string result = ProjectText(project);
  const size_t end = result.find("\nend-sim-data");
  if (end == std::string::npos)
    return std::nullopt;
  result.insert(end + 1, SensorGroupText(projectRoot, sensor, modelCode, place, inner));
  return result;
}

std::optional<CRoomPlan> SensorPlan(CProject& project, size_t sensor)
{
  std::optional<CRoomPlan> plan = FindRoomPlan(project);
  if (!plan || sensor < 2)
    return plan;
  const CItemGroup* place = FindPlaceGroup(project, sensor);
  const CItemGroup* group = FindSensorGroup(project, sensor);
  const CItemGroup* settings = group ? FindEntry<CItemGroup>(*group, "Einstellungen") : nullptr;
  const auto* wall = place ? FindEntry<CItemWord>(*place, "Montagewand") : nullptr;
  const auto* offset = place ? FindEntry<CItemDouble>(*place, "Montageabstand") : nullptr;
  const auto* at = place ? FindEntry<CItemPoint>(*place, "Deckenplatz") : nullptr;
  const auto* corner = place ? FindEntry<CItemWord>(*place, "Montageecke") : nullptr;
  const auto* variant = settings ? FindEntry<CItemChoice>(*settings, "Montageart") : nullptr;
  if (!wall || !offset || !at || !corner || !variant || variant->m_nValue > 2)
    return std::nullopt;
  plan->variant = static_cast<RoomVariant>(variant->m_nValue);
  plan->sensorWall = wall->m_nValue;
  plan->sensorOffset = offset->m_value;
  plan->sensorAt = CPlanPoint{at->m_position.x, at->m_position.y};
  plan->sensorCorner = corner->m_nValue;
  if (CompleteRoomPlan(*plan))
    return std::nullopt;
  return plan;
}

bool SetSensorPlace(CProject& project, size_t sensor, const CRoomPlan& place)
{
  CItemGroup* group = sensor < 2 ? nullptr : FindSensorGroup(project, sensor);
  auto* fields = group ? dynamic_cast<CItemGroup*>(group->FindChild(kSensorPlaceGroupName)) : nullptr;
  auto* wall = fields ? dynamic_cast<CItemWord*>(fields->FindChild("Montagewand")) : nullptr;
  auto* offset = fields ? dynamic_cast<CItemDouble*>(fields->FindChild("Montageabstand")) : nullptr;
  auto* at = fields ? dynamic_cast<CItemPoint*>(fields->FindChild("Deckenplatz")) : nullptr;
  auto* corner = fields ? dynamic_cast<CItemWord*>(fields->FindChild("Montageecke")) : nullptr;
  if (!wall || !offset || !at || !corner)
    return false;
  wall->m_nValue = static_cast<uint16_t>(place.sensorWall);
  offset->m_value = place.sensorOffset.value_or(0.0);
  const CPlanPoint point = place.sensorAt.value_or(CPlanPoint{});
  at->m_position = {point.x, point.y, 0.0};
  corner->m_nValue = static_cast<uint16_t>(place.sensorCorner.value_or(0));
  FollowFurtherSensors(project);
  return true;
}

void FollowFurtherSensors(CProject& project)
{
  for (size_t sensor = 2; CItemGroup* group = FindSensorGroup(project, sensor); ++sensor) {
    std::optional<CRoomPlan> plan = SensorPlan(project, sensor);
    auto* placement = dynamic_cast<CItemSystem*>(group->FindChild(kPlacementSystemName));
    const auto* mount = placement ? dynamic_cast<const CItemSystem*>(placement->FindChild("Halterung")) : nullptr;
    if (!plan || !mount)
      continue;
    PlaceSensor(*plan, *mount, *placement);
    placement->UpdateTransformsOfTree();
  }
}

std::optional<std::string> RemoveSensorText(CProject& project, size_t sensor)
{
  const std::string& root = project.GetRoot().m_strName;
  std::string text = ProjectText(project);
  std::optional<std::pair<size_t, size_t>> removed = sensor < 2 ? std::nullopt : FindGroupRecords(text, root, sensor);
  if (!removed)
    return std::nullopt;
  text.erase(removed->first, removed->second - removed->first);
  for (size_t later = sensor + 1;; ++later) {
    std::optional<std::pair<size_t, size_t>> group = FindGroupRecords(text, root, later);
    if (!group)
      break;
    std::string records = text.substr(group->first, group->second - group->first);
    RenameGroupWord(records, RecordWord(GroupName(later)), RecordWord(GroupName(later - 1)));
    text.replace(group->first, group->second - group->first, records);
  }
  return text;
}

size_t SensorOfEntry(CProject& project, const CItemBase& entry)
{
  CItemGroup& root = project.GetRoot();
  const CItemBase* top = &entry;
  while (top->m_pParent && top->m_pParent != &root)
    top = top->m_pParent;
  if (top == &root || top->m_pParent != &root)
    return 0;
  for (size_t sensor = 2; const CItemGroup* group = FindSensorGroup(project, sensor); ++sensor)
    if (group == top)
      return sensor;
  const auto& paths = project.GetModules().m_cad1.m_paths;
  const CItemBase* room = root.FindByPath(paths[0]);
  while (room && room->m_pParent && room->m_pParent != &root)
    room = room->m_pParent;
  const bool sensorOne =
      top != room && top->m_strName != kDetectionHeightName && top->m_strName.rfind(kSensorGroupStem, 0) != 0;
  return sensorOne ? 1 : 0;
}
