#pragma once

#include <vector>

class CMatrix;
struct CVector;

// The frame of a placed entry (a system or a geometric entry): rotation about
// x, then y, then z (degrees), then the translation, applied to m from the
// right.
void ApplyPlacement(CMatrix& m, const CVector& position, const CVector& rotationDeg);

// Fields 1 to 6 that links reach on a placed entry: position x, y, z and
// rotation x, y, z; null for any other number.
double* PlacementField(CVector& position, CVector& rotationDeg, int fieldNumber);

// Appends the six numbers ApplyPlacement applies: position, then rotation.
void AppendPlacement(std::vector<double>& placements, const CVector& position, const CVector& rotationDeg);
