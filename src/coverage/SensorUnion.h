#pragma once

#include "Coverage.h"

#include <functional>
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

// Row `entry` of the first sensor's coverage united with the same surface
// in every sensor (`onSurface`, in sensor order), as UniteCoverage unites it.
CSurfaceCoverage UniteRow(const CTargetCoverage& entry, const std::vector<const CSurfaceCoverage*>& onSurface);
// UniteCoverage with each row's united surface made by `uniteRow` (given
// the row's index in the first sensor's coverage).
using CRowUnion = std::function<CSurfaceCoverage(size_t row, const CTargetCoverage& entry,
                                                 const std::vector<const CSurfaceCoverage*>& onSurface)>;
CCoverage UniteCoverage(const std::vector<const CCoverage*>& sensors, const CRowUnion& uniteRow);

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
// counts for nothing. None when sensor 1 has none.
std::optional<CCoverage> UniteSensors(const std::vector<std::optional<CCoverage>>& each);

// UniteSensors of AnalyseEachSensor.
std::optional<CCoverage> AnalyseSensorsCoverage(CProject& project, CSensorSet& sensors, bool bShadows = true,
                                                double height = 0.0);
