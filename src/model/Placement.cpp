#include "Placement.h"

#include "Vector.h"

void ApplyPlacement(CMatrix& m, const CVector& position, const CVector& rotationDeg)
{
  m.Rotate(rotationDeg.x * kDegToRad, 0);
  m.Rotate(rotationDeg.y * kDegToRad, 1);
  m.Rotate(rotationDeg.z * kDegToRad, 2);
  m.Translate(position);
}

void AppendPlacement(std::vector<double>& placements, const CVector& position, const CVector& rotationDeg)
{
  placements.insert(placements.end(),
                    {position.x, position.y, position.z, rotationDeg.x, rotationDeg.y, rotationDeg.z});
}

double* PlacementField(CVector& position, CVector& rotationDeg, int fieldNumber)
{
  switch (fieldNumber) {
  case 1:
    return &position.x;
  case 2:
    return &position.y;
  case 3:
    return &position.z;
  case 4:
    return &rotationDeg.x;
  case 5:
    return &rotationDeg.y;
  case 6:
    return &rotationDeg.z;
  default:
    return nullptr;
  }
}
