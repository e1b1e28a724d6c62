#pragma once

#include "Vector.h"

#include <vector>

// Triangles, three vertices each, covering a plane region: the outer ring
// less its holes, by the odd winding rule. Each triangle turns the way of the
// outer ring's normal. Empty when a vertex is not finite, the outer ring
// spans no area or the tessellator refuses the rings.
CVectorArray TriangulateRegion(const CVectorArray& outer, const std::vector<CVectorArray>& holes);

// Fills the region, in world coordinates, lit in the colour, in the depth
// layer of generated patches, so it shows on the surface it lies on. In a
// scene build the triangles join the face batch.
void DrawRegion(const CVectorArray& outer, const std::vector<CVectorArray>& holes, const CVector& colour);
