#pragma once

#include "Coverage.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CProject;
class CSensorSet;

// The coverage of several sensors, each measured alone (AnalyseCoverage of
// its own CAD1 run), the first sensor's targets giving the rows. A target
// counts as the same surface in another sensor's coverage when it bears the
// same name (the variant groups hold the same surfaces). Per surface:
// watched is the union of every sensor's visible parts, overlap the most
// sensors whose parts share positive area at one point, the blind spots and
// the hidden area those of the union, and the patch parts one region set per
// sensor, so that a map counts sensors. One sensor's coverage stays as it is.
CCoverage UniteCoverage(const std::vector<CCoverage>& sensors);

// Each sensor's parts on one surface as the union snaps them to the
// surface's grid, and the levels of the sensors united before the last one,
// kept by a caller that unites that surface again: a sensor whose parts are
// as they were is not snapped again, and while only the last one's parts
// change, only they are intersected with the kept levels.
class CSurfaceSnaps {
public:
  CSurfaceSnaps();
  ~CSurfaceSnaps();
  CSurfaceSnaps(CSurfaceSnaps&&) noexcept;
  CSurfaceSnaps& operator=(CSurfaceSnaps&&) noexcept;

  struct CEntry;
  struct CHeldLevels;
  // The entry snapped from these parts on this surface; null when none is.
  const CEntry* Find(const CVectorArray& surface, const CSurfaceCoverage& sensor) const;

  // Those of the last union of the surface.
  std::vector<CEntry> m_entries;
  std::unique_ptr<CHeldLevels> m_pHeld; // null when it had no last sensor
};

// Row `entry` of the first sensor's coverage united with the same surface
// in every sensor (`onSurface`, in sensor order), as UniteCoverage unites
// it; with `snaps`, what the last union of the row snapped and united is
// taken again where it fits, and that of this one kept. The sensor at
// `last` (a place in `onSurface`) is united after the others: a step moves
// one sensor, and the levels of those it does not move stay.
CSurfaceCoverage UniteRow(const CTargetCoverage& entry, const std::vector<const CSurfaceCoverage*>& onSurface,
                          CSurfaceSnaps* snaps = nullptr, std::optional<size_t> last = std::nullopt);
// UniteCoverage with each row's united surface made by `uniteRow` (given
// the row's index in the first sensor's coverage, and the place in
// `onSurface` of the sensor at `last` in `sensors`, none when it has no
// such surface).
using CRowUnion =
    std::function<CSurfaceCoverage(size_t row, const CTargetCoverage& entry,
                                   const std::vector<const CSurfaceCoverage*>& onSurface, std::optional<size_t> last)>;
CCoverage UniteCoverage(const std::vector<const CCoverage*>& sensors, std::optional<size_t> last,
                        const CRowUnion& uniteRow);

// The surface of the coverage that counts as the target, as UniteCoverage
// matches them; null when the coverage holds none of that name.
const CSurfaceCoverage* FindSameSurface(const CCoverage& coverage, const CSceneTarget& target);

// Sensor N's coverage alone, as its own CAD1 last ran; none when its CAD1
// entries do not resolve.
std::optional<CCoverage> AnalyseSensorCoverage(CProject& project, CSensorSet& sensors, size_t sensor,
                                               bool bShadows = true, double height = 0.0);

// Every sensor's coverage alone (AnalyseSensorCoverage), in sensor order.
std::vector<std::optional<CCoverage>> AnalyseEachSensor(CProject& project, CSensorSet& sensors, bool bShadows = true,
                                                        double height = 0.0);

// The sensors' coverages as UniteCoverage unites them; a sensor without one
// counts for nothing. Sensor `last` (numbered from 1; 0 for none) is united
// after the others: the same union, its parts' crossings rounded to the
// grid in another order. None when sensor 1 has none.
std::optional<CCoverage> UniteSensors(const std::vector<std::optional<CCoverage>>& each, size_t last = 0);
// UniteSensors with each row's united surface made by `uniteRow`.
std::optional<CCoverage> UniteSensors(const std::vector<std::optional<CCoverage>>& each, size_t last,
                                      const CRowUnion& uniteRow);

// UniteSensors of AnalyseEachSensor.
std::optional<CCoverage> AnalyseSensorsCoverage(CProject& project, CSensorSet& sensors, bool bShadows = true,
                                                double height = 0.0);
