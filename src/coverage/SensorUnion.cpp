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

struct CSurfaceSnaps::CHeldLevels {
  // What the levels were formed from: the surface, the place of the last
  // sensor, and every sensor's parts but its.
  CVectorArray surface;
  size_t last = 0;
  std::vector<std::vector<CPlanarRegion>> patchParts, hiddenParts;
  // levels[k]: where at least k + 1 of them watch; hidden: their hidden parts.
  std::vector<ExactParts> levels;
  ExactParts hidden;
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

// Adds one sensor's parts to the levels and the hidden parts.
void AddToLevels(const CSurfaceSnaps::CEntry& snapped, std::vector<ExactParts>& levels, ExactParts& hidden)
{
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
}

// The levels of every sensor but the one at `last`, in sensor order.
CSurfaceSnaps::CHeldLevels HoldLevels(const CVectorArray& surface, const std::vector<CSurfaceSnaps::CEntry>& used,
                                      size_t last)
{
  CSurfaceSnaps::CHeldLevels held{surface, last, {}, {}, {}, {}};
  for (size_t k = 0; k < used.size(); ++k)
    if (k != last) {
      held.patchParts.push_back(used[k].patchParts);
      held.hiddenParts.push_back(used[k].hiddenParts);
      AddToLevels(used[k], held.levels, held.hidden);
    }
  return held;
}

// Whether the held levels were formed from these sensors' parts.
bool HeldFrom(const CSurfaceSnaps::CHeldLevels& held, const CVectorArray& surface,
              const std::vector<CSurfaceSnaps::CEntry>& used, size_t last)
{
  if (held.surface != surface || held.last != last || held.patchParts.size() + 1 != used.size())
    return false;
  for (size_t k = 0, h = 0; k < used.size(); ++k)
    if (k != last) {
      if (used[k].patchParts != held.patchParts[h] || used[k].hiddenParts != held.hiddenParts[h])
        return false;
      ++h;
    }
  return true;
}

// Unites the sensors' parts on one surface into `united`, each sensor's
// snapped parts, and the levels of all but the last, taken from `snaps`
// where it holds them.
void UniteSurface(const CVectorArray& surface, const std::vector<const CSurfaceCoverage*>& sensors,
                  CSurfaceCoverage& united, CSurfaceSnaps* snaps, std::optional<size_t> last)
{
  std::optional<CExactPlane> plane = CExactPlane::Make(surface);
  std::optional<ExactPolygon> shape = plane ? plane->Snap(surface) : std::nullopt;
  if (!shape)
    return;
  std::vector<CSurfaceSnaps::CEntry> used;
  united.patchParts.clear();
  for (const CSurfaceCoverage* sensor : sensors) {
    const CSurfaceSnaps::CEntry* kept = snaps ? snaps->Find(surface, *sensor) : nullptr;
    const CSurfaceSnaps::CEntry& snapped = used.emplace_back(kept ? *kept : SnapSurface(surface, *plane, *sensor));
    united.patchParts.insert(united.patchParts.end(), snapped.own.begin(), snapped.own.end());
  }
  // levels[k]: where at least k + 1 sensors watch.
  std::vector<ExactParts> levels;
  ExactParts hidden;
  std::unique_ptr<CSurfaceSnaps::CHeldLevels> held;
  if (last && *last < used.size()) {
    const bool fits = snaps && snaps->m_pHeld && HeldFrom(*snaps->m_pHeld, surface, used, *last);
    held = fits ? std::move(snaps->m_pHeld)
                : std::make_unique<CSurfaceSnaps::CHeldLevels>(HoldLevels(surface, used, *last));
    levels = held->levels;
    hidden = held->hidden;
    AddToLevels(used[*last], levels, hidden);
  } else {
    for (const CSurfaceSnaps::CEntry& snapped : used)
      AddToLevels(snapped, levels, hidden);
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
  if (snaps) {
    snaps->m_entries = std::move(used);
    snaps->m_pHeld = std::move(held);
  }
}

// A row united with nothing kept from before.
CSurfaceCoverage UniteRowAfresh(size_t, const CTargetCoverage& entry,
                                const std::vector<const CSurfaceCoverage*>& onSurface, std::optional<size_t> last)
{
  return UniteRow(entry, onSurface, nullptr, last);
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
                          CSurfaceSnaps* snaps, std::optional<size_t> last)
{
  CSurfaceCoverage c = entry.coverage;
  for (size_t k = 1; k < onSurface.size(); ++k) {
    c.nPatches += onSurface[k]->nPatches;
    c.nHulled += onSurface[k]->nHulled;
    c.nSkipped += onSurface[k]->nSkipped;
    c.nGuarded += onSurface[k]->nGuarded;
  }
  try {
    UniteSurface(entry.target.vertices, onSurface, c, snaps, last);
  } catch (const std::exception&) {
    // Boost.Geometry refused the parts: the first sensor's figures stay.
    c = *onSurface.front();
    ++c.nGuarded;
  }
  return c;
}

CCoverage UniteCoverage(const std::vector<const CCoverage*>& sensors, std::optional<size_t> last,
                        const CRowUnion& uniteRow)
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
    std::optional<size_t> lastOnSurface;
    for (size_t k = 0; k < sensors.size(); ++k)
      if (const CSurfaceCoverage* same = FindSameSurface(*sensors[k], entry.target)) {
        if (k == last)
          lastOnSurface = onSurface.size();
        onSurface.push_back(same);
      }
    entry.coverage = uniteRow(row, entry, onSurface, lastOnSurface);
  }
  return united;
}

CCoverage UniteCoverage(const std::vector<CCoverage>& sensors)
{
  std::vector<const CCoverage*> each;
  for (const CCoverage& sensor : sensors)
    each.push_back(&sensor);
  return UniteCoverage(each, std::nullopt, UniteRowAfresh);
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

std::optional<CCoverage> UniteSensors(const std::vector<std::optional<CCoverage>>& each, size_t last,
                                      const CRowUnion& uniteRow)
{
  if (each.empty() || !each.front())
    return std::nullopt;
  std::vector<const CCoverage*> analysed;
  std::optional<size_t> lastAnalysed;
  for (size_t k = 0; k < each.size(); ++k)
    if (each[k]) {
      if (k + 1 == last)
        lastAnalysed = analysed.size();
      analysed.push_back(&*each[k]);
    }
  return UniteCoverage(analysed, lastAnalysed, uniteRow);
}

std::optional<CCoverage> UniteSensors(const std::vector<std::optional<CCoverage>>& each, size_t last)
{
  return UniteSensors(each, last, UniteRowAfresh);
}

std::optional<CCoverage> AnalyseSensorsCoverage(CProject& project, CSensorSet& sensors, bool bShadows, double height)
{
  return UniteSensors(AnalyseEachSensor(project, sensors, bShadows, height));
}
