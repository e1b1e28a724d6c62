#include "SensorRounds.h"

CRoundsOutcome FindBestPlacements(CSensorRoom& room, CPlacementRequest search,
                                  const std::function<void(size_t round, size_t sensor)>& beforeSearch)
{
  CRoundsOutcome outcome;
  outcome.moved.assign(room.Count(), CStepCounts{});
  double watched = room.Union(search.surfaces).watched;
  for (size_t round = 1;; ++round) {
    for (size_t sensor = 1; sensor <= room.Count(); ++sensor) {
      if (beforeSearch)
        beforeSearch(round, sensor);
      const std::string text = room.Text();
      search.text = text;
      search.sensor = sensor;
      outcome.last = FindBestPlacement(search);
      if (outcome.last.status != PlacementStatus::Found)
        return outcome;
      room.Move(sensor, outcome.last.steps);
      outcome.moves.push_back({sensor, outcome.last.steps});
      for (size_t axis = 0; axis < kStepAxes; ++axis)
        outcome.moved[sensor - 1][axis] += outcome.last.steps[axis];
    }
    const double now = room.Union(search.surfaces).watched;
    if (now - watched < kRoundGain)
      return outcome;
    watched = now;
  }
}
