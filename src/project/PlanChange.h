#pragma once

#include "RoomPlan.h"

#include <optional>
#include <string>

class CKMVDocument;

// Changes the room of the document to the plan as one step of the document
// named `stepName`: the plan is checked and completed, the room rebuilt,
// the detection rerun and the views updated. A plan that does not hold
// together is refused with its fault and the document stays as it was; a
// document whose sensor entries are missing gives the fault of the option
// "--model". An empty plan, still without its outline, is checked for its
// height and underlay only.
std::optional<CPlanFault> ChangeRoomPlan(CKMVDocument& document, CRoomPlan plan, const std::string& stepName);
