#pragma once

#include "Vector.h"

#include <functional>

// The two passes every mesh primitive draws: a lit fill pushed back by a
// polygon offset, then the unlit edges in front of it. The attributes they
// change are restored afterwards.
void DrawMeshPasses(const CVector& lineColour, const CVector& fillColour, bool outline, bool fill,
                    const std::function<void()>& fillPass, const std::function<void()>& edgePass);
