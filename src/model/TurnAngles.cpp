#include "TurnAngles.h"

#include <cmath>

double RaiseToStart(double start, double end)
{
  if (end < start - kFullTurn)
    end = start - std::fmod(start - end, kFullTurn);
  // Two turns always suffice after the reduction; where adding a turn no
  // longer changes a huge angle, the bound still ends the loop.
  for (int i = 0; i < 2 && end < start; ++i)
    end += kFullTurn;
  return end;
}
