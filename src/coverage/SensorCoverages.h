#pragma once

#include "Coverage.h"
#include "SensorUnion.h"

#include <optional>
#include <vector>

class CProject;
class CSensorSet;

// Every sensor's coverage alone (AnalyseEachSensor) and their union
// (UniteSensors), kept from one analysis to the next. A sensor is measured
// again only when what its analysis reads differs from last time (its
// coverage scene: targets, patches, centre and facets; shadows; the
// detection height), and a surface's union is formed again only when a
// sensor's figures on it differ; so the figures are always those of a fresh
// analysis, while a step of one sensor measures only that sensor.
class CSensorCoverages {
public:
  // The union unites sensor `current` (numbered from 1) after the others,
  // as UniteSensors does: the sensor that steps.
  void Analyse(CProject& project, CSensorSet& sensors, bool bShadows, double height, size_t current = 0);

  // Per sensor, in number order; none for one whose CAD1 entries do not resolve.
  const std::vector<std::optional<CCoverage>>& Each() const { return m_each; }
  // Their union; none when sensor 1 has no coverage.
  const std::optional<CCoverage>& United() const { return m_united; }

private:
  // What a sensor's coverage was measured from.
  struct CMeasured {
    std::optional<CCoverageScene> scene;
    bool bShadows = true;
    double height = 0.0;
    bool operator==(const CMeasured&) const = default;
  };
  // One row of the union and the figures it was formed from.
  struct CUnitedRow {
    CTargetCoverage entry;
    std::vector<CSurfaceCoverage> onSurface;
    std::optional<size_t> last;
    CSurfaceCoverage united;
    CSurfaceSnaps snaps;
  };

  CSurfaceCoverage UniteRowOnce(size_t row, const CTargetCoverage& entry,
                                const std::vector<const CSurfaceCoverage*>& onSurface, std::optional<size_t> last);

  std::vector<CMeasured> m_measured;
  std::vector<std::optional<CCoverage>> m_each;
  std::vector<CUnitedRow> m_rows;
  std::optional<CCoverage> m_united;
  size_t m_nCurrent = 0; // of the union
};
