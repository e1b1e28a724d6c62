#include "PlanChange.h"

#include "KMVDocument.h"
#include "RoomProject.h"

namespace {

// An empty plan waits for its outline: only its height and underlay count.
std::optional<CPlanFault> CheckEmptyPlan(const CRoomPlan& plan)
{
  if (!(plan.height >= kMinRoomHeight && plan.height <= kMaxRoomHeight))
    return CPlanFault{"--height", "Die Raumh\xf6he muss zwischen 2 und 30 m liegen."};
  return CheckUnderlay(plan);
}

} // namespace

std::optional<CPlanFault> ChangeRoomPlan(CKMVDocument& document, CRoomPlan plan, const std::string& stepName)
{
  if (std::optional<CPlanFault> fault = plan.outline.empty() ? CheckEmptyPlan(plan) : CompleteRoomPlan(plan))
    return fault;
  CProject& project = document.GetProject();
  CDocumentChange change(document, stepName);
  // Fails before it changes anything.
  if (!ApplyRoomPlan(project, plan))
    return CPlanFault{"--model", "Der Sensor dieses Projekts ist nicht vollst\xe4ndig."};
  project.Refresh();
  // Loaded again as undo loads it: nothing keeps pointing into the old room.
  document.RestoreText(std::string(document.GetText().View()));
  document.SetModifiedFlag();
  return std::nullopt;
}
