#include "PlanChange.h"

#include "KMVDocument.h"
#include "RoomProject.h"

std::optional<CPlanFault> ChangeRoomPlan(CKMVDocument& document, CRoomPlan plan, const std::string& stepName)
{
  if (std::optional<CPlanFault> fault = CompleteRoomPlan(plan))
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
