#pragma once

#include "RoomPlan.h"

#include <QString>

#include <functional>
#include <vector>

// One value of a plan as the side table of the plan window shows it: the
// element ("Wand 2"), the quantity ("Länge m") and the value as text.
struct CPlanField {
  QString element;
  QString quantity;
  QString value;
};

// The plan's values in table order: the room's height, each wall's length
// and angle, each door's wall, offset, width and height, each obstacle's
// centre, size and angle, each zone's name and corners, then the place of
// the variant's sensor ("Velmar": wall and offset, X and Y, or corner).
std::vector<CPlanField> PlanFields(const CRoomPlan& plan);

// The plan with the value of field `index` (as PlanFields counts) typed as
// text, unchecked: a wall's length moves its end corner along the wall, its
// angle (degrees, counter-clockwise from x) turns it about its first corner.
// FALSE when the text is no value of that field.
bool SetPlanField(CRoomPlan& plan, size_t index, const QString& text);
