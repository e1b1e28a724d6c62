#pragma once

#include "RoomPlan.h"

#include <optional>
#include <string>

class CProject;
class CTextBuffer;

// A rectangular room around a built-in sensor model, in metres: the width
// runs along the wall that carries the sensor (y), the depth away from it (x).
struct RoomRequest {
  int modelCode = 0;
  double width = 0.0;
  double depth = 0.0;
  double height = 0.0;
  RoomVariant variant = RoomVariant::Wall;
  // The wall sensor's place along its wall, from the wall's end at -y; the
  // middle of the wall when absent.
  std::optional<double> offset;
  // "Grundriss zeichnen": the room starts with an empty plan of the height
  // and variant, no walls and no floor, until its outline is drawn; width,
  // depth and offset are not used.
  bool drawOutline = false;
};

constexpr double kMinRoomSide = 1.0;
constexpr double kMaxRoomSide = 200.0;
constexpr double kMinRoomHeight = 2.0;
constexpr double kMaxRoomHeight = 30.0;

// The first value of a request that is refused, in the order of the fields.
enum class RoomFault { None, Model, Width, Depth, Height, Offset };

// Sizes must be finite and within their limits, an offset strictly inside
// the wall. The model is checked when the project is made.
RoomFault CheckRoomRequest(const RoomRequest& request);

// The plan of the request's rectangle: outline "0,-W/2 0,W/2 D,W/2 D,-W/2",
// the wall sensor on wall 0, the other places by default.
CRoomPlan RectanglePlan(const RoomRequest& request);

// Writes the project of the sensor model in the room, as a project reads
// it: the model's sensor, settings and modules, and the room as groups of
// the document itself in place of the model's scene library. On a fault the
// text is left as it was.
RoomFault MakeRoomProject(const RoomRequest& request, CTextBuffer& text);

// The same for a complete plan (CompleteRoomPlan), or an empty one (no
// corners, a valid height): the sensor placed into the room by a system
// "Standort" above its mounting, at the origin while the plan is empty. FALSE, and the text
// left as it was, when the model cannot be read.
bool MakePlanRoomProject(int modelCode, const CRoomPlan& plan, CTextBuffer& text);

// Rebuilds the room of a project made from a plan for another complete
// plan: the room group with its plan, CAD1's room paths, the ceiling and
// the sensor's place, its mounting height fitted into the room; the
// sensor's other settings stay. FALSE when the sensor's entries are
// missing.
bool ApplyRoomPlan(CProject& project, const CRoomPlan& plan);

// "Raum 6.40 x 8.20 x 2.75": the extents along y and x, and the height.
std::string RoomTitle(const RoomRequest& request);
std::string RoomTitle(const CRoomPlan& plan);
