#include "SensorUnion.h"

#include "ExactPlane.h"
#include "Project.h"
#include "SensorSet.h"
#include "UnionParts.h"

#include <boost/geometry.hpp>

#include <exception>

struct CSurfaceSnaps::CEntry {
  // What the snapping read.
  CVectorArray surface;
  std::vector<CPlanarRegion> patchParts, hiddenParts;
  ExactParts watched, hidden;
  std::vector<CPlanarRegion> own; // watched, as regions of positive area
};

namespace {

namespace bg = boost::geometry;

// One sensor's parts snapped to the surface's grid.
CSurfaceSnaps::CEntry SnapSurface(const CVectorArray& surface, const CExactPlane& plane, const CSurfaceCoverage& sensor)
{
  CSurfaceSnaps::CEntry entry{surface,
                              sensor.patchParts,
                              sensor.hiddenParts,
                              SnapRegions(plane, sensor.patchParts),
                              SnapRegions(plane, sensor.hiddenParts),
                              {}};
  entry.own = ToRegions(plane, entry.watched, kPositiveArea);
  return entry;
}

// Unites the sensors' parts on one surface into `united`, each sensor's
// snapped parts taken from `snaps` where it holds them.
void UniteSurface(const CVectorArray& surface, const std::vector<const CSurfaceCoverage*>& sensors,
                  CSurfaceCoverage& united, CSurfaceSnaps* snaps)
{
  std::optional<CExactPlane> plane = CExactPlane::Make(surface);
  std::optional<ExactPolygon> shape = plane ? plane->Snap(surface) : std::nullopt;
  if (!shape)
    return;
  // levels[k]: where at least k + 1 sensors watch.
  std::vector<ExactParts> levels;
  ExactParts hidden;
  united.patchParts.clear();
  std::vector<CSurfaceSnaps::CEntry> used;
  for (const CSurfaceCoverage* sensor : sensors) {
    const CSurfaceSnaps::CEntry* kept = snaps ? snaps->Find(surface, *sensor) : nullptr;
    const CSurfaceSnaps::CEntry& snapped = used.emplace_back(kept ? *kept : SnapSurface(surface, *plane, *sensor));
    const ExactParts& watched = snapped.watched;
    hidden = Unite(hidden, snapped.hidden);
    for (size_t k = levels.size(); k-- > 0;) {
      ExactParts common;
      bg::intersection(levels[k], watched, common);
      if (AreaOf(common) <= kPositiveArea)
        continue;
      if (k + 1 == levels.size())
        levels.emplace_back();
      levels[k + 1] = Unite(levels[k + 1], common);
    }
    if (levels.empty())
      levels.emplace_back();
    levels[0] = Unite(levels[0], watched);
    united.patchParts.insert(united.patchParts.end(), snapped.own.begin(), snapped.own.end());
  }
  const ExactParts& covered = levels[0];
  ExactParts blind;
  bg::difference(*shape, covered, blind);
  ExactParts hiddenOnly;
  bg::difference(hidden, covered, hiddenOnly);
  united.watched = AreaOf(covered);
  united.overlap = AreaOf(covered) > kPositiveArea ? static_cast<int>(levels.size()) : 0;
  united.hidden = AreaOf(hiddenOnly);
  united.hiddenParts = ToRegions(*plane, hiddenOnly, kPositiveArea);
  // What shadows take from the union, not from sensor 1 alone.
  united.shadowed = united.hiddenParts;
  united.blindSpots = ToRegions(*plane, blind, kMinBlindSpotArea);
  united.blindArea = 0.0;
  for (const CPlanarRegion& spot : united.blindSpots)
    united.blindArea += spot.area;
  if (snaps)
    snaps->m_entries = std::move(used);
}

// A row united with nothing kept from before.
CSurfaceCoverage UniteRowAfresh(size_t, const CTargetCoverage& entry,
                                const std::vector<const CSurfaceCoverage*>& onSurface)
{
  return UniteRow(entry, onSurface);
}

} // namespace

CSurfaceSnaps::CSurfaceSnaps() = default;
CSurfaceSnaps::~CSurfaceSnaps() = default;
CSurfaceSnaps::CSurfaceSnaps(CSurfaceSnaps&&) noexcept = default;
CSurfaceSnaps& CSurfaceSnaps::operator=(CSurfaceSnaps&&) noexcept = default;

const CSurfaceSnaps::CEntry* CSurfaceSnaps::Find(const CVectorArray& surface, const CSurfaceCoverage& sensor) const
{
  for (const CEntry& entry : m_entries)
    if (entry.surface == surface && entry.patchParts == sensor.patchParts && entry.hiddenParts == sensor.hiddenParts)
      return &entry;
  return nullptr;
}

const CSurfaceCoverage* FindSameSurface(const CCoverage& coverage, const CSceneTarget& target)
{
  return FindSameSurface(coverage, TargetName(target));
}

CSurfaceCoverage UniteRow(const CTargetCoverage& entry, const std::vector<const CSurfaceCoverage*>& onSurface,
                          CSurfaceSnaps* snaps)
{
  CSurfaceCoverage c = entry.coverage;
  for (size_t k = 1; k < onSurface.size(); ++k) {
    c.nPatches += onSurface[k]->nPatches;
    c.nHulled += onSurface[k]->nHulled;
    c.nSkipped += onSurface[k]->nSkipped;
    c.nGuarded += onSurface[k]->nGuarded;
  }
  try {
    UniteSurface(entry.target.vertices, onSurface, c, snaps);
  } catch (const std::exception&) {
    // Boost.Geometry refused the parts: the first sensor's figures stay.
    c = *onSurface.front();
    ++c.nGuarded;
  }
  return c;
}

CCoverage UniteCoverage(const std::vector<const CCoverage*>& sensors, const CRowUnion& uniteRow)
{
  if (sensors.empty())
    return {};
  CCoverage united = *sensors.front();
  if (sensors.size() == 1)
    return united;
  for (size_t k = 1; k < sensors.size(); ++k)
    united.nUnassigned += sensors[k]->nUnassigned;
  for (size_t row = 0; row < united.targets.size(); ++row) {
    CTargetCoverage& entry = united.targets[row];
    std::vector<const CSurfaceCoverage*> onSurface;
    for (const CCoverage* sensor : sensors)
      if (const CSurfaceCoverage* same = FindSameSurface(*sensor, entry.target))
        onSurface.push_back(same);
    entry.coverage = uniteRow(row, entry, onSurface);
  }
  return united;
}

CCoverage UniteCoverage(const std::vector<CCoverage>& sensors)
{
  std::vector<const CCoverage*> each;
  for (const CCoverage& sensor : sensors)
    each.push_back(&sensor);
  return UniteCoverage(each, UniteRowAfresh);
}

std::optional<CCoverage> AnalyseSensorCoverage(CProject& project, CSensorSet& sensors, size_t sensor, bool bShadows,
                                               double height)
{
  std::optional<CCoverageScene> scene = CollectCoverageScene(project.GetRoot(), sensors.Modules(sensor).m_cad1);
  if (!scene)
    return std::nullopt;
  return AnalyseCoverage(*scene, bShadows, height);
}

std::vector<std::optional<CCoverage>> AnalyseEachSensor(CProject& project, CSensorSet& sensors, bool bShadows,
                                                        double height)
{
  std::vector<std::optional<CCoverage>> each;
  for (size_t sensor = 1; sensor <= sensors.Count(); ++sensor)
    each.push_back(AnalyseSensorCoverage(project, sensors, sensor, bShadows, height));
  return each;
}

std::optional<CCoverage> UniteSensors(const std::vector<std::optional<CCoverage>>& each, const CRowUnion& uniteRow)
{
  if (each.empty() || !each.front())
    return std::nullopt;
  std::vector<const CCoverage*> analysed;
  for (const std::optional<CCoverage>& coverage : each)
    if (coverage)
      analysed.push_back(&*coverage);
  return UniteCoverage(analysed, uniteRow);
}

std::optional<CCoverage> UniteSensors(const std::vector<std::optional<CCoverage>>& each)
{
  return UniteSensors(each, UniteRowAfresh);
}

std::optional<CCoverage> AnalyseSensorsCoverage(CProject& project, CSensorSet& sensors, bool bShadows, double height)
{
  return UniteSensors(AnalyseEachSensor(project, sensors, bShadows, height));
}
