#pragma once

#include "Vector.h"

#include <vector>

// Triangles, three vertices each, covering a plane region: the outer ring
// less its holes, by the odd winding rule. Each triangle turns the way of the
// outer ring's normal. Empty when a vertex is not finite, the outer ring
// spans no area or the tessellator refuses the rings.
CVectorArray TriangulateRegion(const CVectorArray& outer, const std::vector<CVectorArray>& holes);

// Fills the region, in world coordinates, lit in the colour, drawn at once
// (also in a scene build) a few depth steps towards the eye: it shows on the
// surface it lies on and stays behind whatever stands in front of it.
void DrawRegion(const CVectorArray& outer, const std::vector<CVectorArray>& holes, const CVector& colour);
