#include "SensorPlacement.h"

#include "ItemSystem.h"
#include "PlanEntries.h"
#include "Project.h"
#include "ProjectText.h"
#include "SensorSet.h"

#include <cmath>
#include <numbers>

namespace {

constexpr std::string_view kMountRecord = "begin-system Halterung ";
// The corner bracket's turn of the unit within the mounting.
constexpr double kCornerBracketTurn = 45.0;

} // namespace

std::optional<std::string> InsertPlacementSystem(std::string_view modelText)
{
  const size_t start = modelText.find(std::string("\n") + std::string(kMountRecord));
  if (start == std::string_view::npos)
    return std::nullopt;
  const size_t record = start + 1;
  const size_t end = EndOfSystem(modelText, record);
  if (end == std::string_view::npos)
    return std::nullopt;
  const std::string root(Word(LineAt(modelText, record), 2));
  std::string text(modelText.substr(0, record));
  text += "begin-system " + std::string(kPlacementSystemName) + " " + root + " Aufstellung_im_Raum 1 1 0";
  for (int k = 0; k < 6; ++k)
    text += " 0.000000000000000e+000";
  text += " \n";
  std::string mount(modelText.substr(record, end - record));
  mount.replace(kMountRecord.size(), root.size(), kPlacementSystemName);
  text += mount + "end-system\n";
  text += modelText.substr(end);
  ReplaceAll(text, root + ".Halterung", root + "." + kPlacementSystemName + ".Halterung");
  return text;
}

void PlaceSensor(const CRoomPlan& plan, const CItemSystem& mount, CItemSystem& placement)
{
  const CSensorPlace place = SensorPlace(plan);
  const double bracket = plan.variant == RoomVariant::Corner ? kCornerBracketTurn : 0.0;
  const double turn = std::atan2(place.facing.y, place.facing.x) * 180.0 / std::numbers::pi - bracket;
  const double radians = turn * std::numbers::pi / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  const CVector& m = mount.m_position;
  placement.m_position = {place.point.x - (c * m.x - s * m.y), place.point.y - (s * m.x + c * m.y), 0.0};
  placement.m_rotation = {0.0, 0.0, turn};
}

void FollowChosenVariant(CProject& project)
{
  std::optional<CRoomPlan> plan = FindRoomPlan(project);
  auto* placement = dynamic_cast<CItemSystem*>(project.GetRoot().FindChild(kPlacementSystemName));
  const auto* mount = placement ? dynamic_cast<const CItemSystem*>(placement->FindChild("Halterung")) : nullptr;
  if (!plan || !mount)
    return;
  PlaceSensor(*plan, *mount, *placement);
  placement->UpdateTransformsOfTree();
  FollowFurtherSensors(project);
}
