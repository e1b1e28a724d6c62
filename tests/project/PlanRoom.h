#pragma once

#include "KMVDocument.h"
#include "RoomProject.h"

#include <string>

// Opens the model's project in the room of the plan, completed first, as a
// new document of the title.
inline bool OpenPlanRoom(CKMVDocument& document, int modelCode, CRoomPlan& plan, const std::string& title = "Raum")
{
  CTextBuffer text;
  return !CompleteRoomPlan(plan) && MakePlanRoomProject(modelCode, plan, text) &&
         document.OnNewDocumentFromText(title, text.View());
}
