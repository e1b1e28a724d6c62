#include "HeldUnion.h"

#include "RaisedFloor.h"
#include "UnionParts.h"
#include "ZoneCoverage.h"

#include <algorithm>
#include <exception>

struct CHeldUnion::CRow {
  CVectorArray surface;
  std::optional<CExactPlane> plane; // none when the surface has no shape on the grid
  // Boost.Geometry refused a held sensor's parts: the first sensor's
  // figures stand for the surface.
  bool bFailed = false;
  const CSurfaceCoverage* pFirstHeld = nullptr; // the first held sensor's surface
  bool bHeldBefore = false;                     // a held sensor before the searched one has it
  ExactParts before;                            // their union, in sensor order
  std::vector<ExactParts> after;                // each held sensor's parts after the searched one
  std::vector<CPlanarRegion> partsBefore;
  std::vector<CPlanarRegion> partsAfter;
};

CHeldUnion::CHeldUnion(std::vector<std::optional<CCoverage>> sensors, size_t searched, CSurfaceChoice choice)
    : m_sensors(std::move(sensors)), m_nSearched(searched), m_choice(std::move(choice))
{
}

CHeldUnion::~CHeldUnion() = default;

const CHeldUnion::CRow& CHeldUnion::HeldRow(const CSceneTarget& target)
{
  std::unique_ptr<CRow>& slot = m_rows[std::string(TargetName(target))];
  if (slot && slot->surface == target.vertices)
    return *slot;
  slot = std::make_unique<CRow>();
  CRow& row = *slot;
  row.surface = target.vertices;
  row.plane = CExactPlane::Make(target.vertices);
  if (row.plane && !row.plane->Snap(target.vertices))
    row.plane.reset();
  for (size_t k = 0; k < m_sensors.size(); ++k) {
    const CSurfaceCoverage* held = m_sensors[k] ? FindSameSurface(*m_sensors[k], TargetName(target)) : nullptr;
    if (!held)
      continue;
    if (!row.pFirstHeld) {
      row.pFirstHeld = held;
      row.bHeldBefore = k < m_nSearched;
    }
    if (!row.plane || row.bFailed)
      continue;
    try {
      ExactParts watched = SnapRegions(*row.plane, held->patchParts);
      std::vector<CPlanarRegion> own = ToRegions(*row.plane, watched, kPositiveArea);
      std::vector<CPlanarRegion>& parts = k < m_nSearched ? row.partsBefore : row.partsAfter;
      parts.insert(parts.end(), own.begin(), own.end());
      if (k < m_nSearched)
        row.before = Unite(row.before, watched);
      else
        row.after.push_back(std::move(watched));
    } catch (const std::exception&) {
      row.bFailed = true;
    }
  }
  return row;
}

CSurfaceCoverage CHeldUnion::UniteRow(const CSceneTarget& target, const CSurfaceCoverage& own,
                                      const CSurfaceCoverage* searched)
{
  const CRow& row = HeldRow(target);
  if (!row.plane)
    return own;
  const CSurfaceCoverage* first = row.bHeldBefore || !searched ? row.pFirstHeld : searched;
  if (row.bFailed)
    return *first;
  CSurfaceCoverage united;
  united.area = own.area;
  try {
    ExactParts covered = row.before;
    united.patchParts = row.partsBefore;
    if (searched) {
      ExactParts watched = SnapRegions(*row.plane, searched->patchParts);
      std::vector<CPlanarRegion> parts = ToRegions(*row.plane, watched, kPositiveArea);
      united.patchParts.insert(united.patchParts.end(), parts.begin(), parts.end());
      covered = Unite(covered, watched);
    }
    for (const ExactParts& held : row.after)
      covered = Unite(covered, held);
    united.patchParts.insert(united.patchParts.end(), row.partsAfter.begin(), row.partsAfter.end());
    united.watched = AreaOf(covered);
  } catch (const std::exception&) {
    return *first;
  }
  return united;
}

CWatchedSum CHeldUnion::Watched(const CCoverageScene* searched)
{
  const bool bShadows = m_choice.bShadows;
  const double height = m_choice.height > 0.0 ? m_choice.height : 0.0;
  const auto firstHeld = std::find_if(m_sensors.begin(), m_sensors.end(), [](const auto& c) { return c.has_value(); });
  const size_t nHeld = static_cast<size_t>(
      std::count_if(m_sensors.begin(), m_sensors.end(), [](const auto& c) { return c.has_value(); }));
  if (nHeld + (searched ? 1 : 0) < 2) {
    if (searched)
      return SumWatched(AnalyseCoverage(*searched, bShadows, height), m_choice);
    return nHeld == 1 ? SumWatched(**firstHeld, m_choice) : CWatchedSum{};
  }

  // The searched sensor's surfaces, measured when a row needs them.
  std::vector<std::vector<const CVectorArray*>> onTarget(searched ? searched->targets.size() : 0);
  if (searched)
    for (const CScenePatch& patch : searched->patches)
      if (patch.target < onTarget.size())
        onTarget[patch.target].push_back(&patch.vertices);
  std::map<size_t, CSurfaceCoverage> measured;
  auto measure = [&](size_t t) -> const CSurfaceCoverage& {
    auto [at, added] = measured.try_emplace(t);
    if (added)
      at->second = AnalyseTarget(*searched, t, onTarget[t], bShadows, height);
    return at->second;
  };
  auto sameSurface = [&](std::string_view name) -> const CSurfaceCoverage* {
    for (size_t t = 0; searched && t < searched->targets.size(); ++t)
      if (TargetName(searched->targets[t]) == name)
        return &measure(t);
    return nullptr;
  };

  // The rows are the first sensor's whose coverage there is.
  const bool rowsOfSearched = searched && static_cast<size_t>(firstHeld - m_sensors.begin()) > m_nSearched;
  const size_t rows = rowsOfSearched ? searched->targets.size() : (*firstHeld)->targets.size();
  CWatchedSum sum;
  std::vector<double> zoneWatched(m_choice.zones.size(), 0.0);
  for (size_t r = 0; r < rows; ++r) {
    const CSceneTarget& target = rowsOfSearched ? searched->targets[r] : (*firstHeld)->targets[r].target;
    const bool chosen = m_choice.Includes(target);
    const bool zoned = !m_choice.zones.empty() && IsFloorTarget(target.vertices);
    if (!chosen && !zoned)
      continue;
    const CSurfaceCoverage& own = rowsOfSearched ? measure(r) : (*firstHeld)->targets[r].coverage;
    CSurfaceCoverage united = UniteRow(target, own, sameSurface(TargetName(target)));
    if (chosen) {
      sum.area += own.area;
      sum.watched += united.watched;
    }
    if (zoned) {
      std::vector<double> watched = WatchedInZones(RaisedCopy(target.vertices, height), united, m_choice.zones);
      for (size_t z = 0; z < watched.size(); ++z)
        zoneWatched[z] += watched[z];
    }
  }
  for (double watched : zoneWatched)
    sum.zoneWatched = std::max(sum.zoneWatched, watched);
  return sum;
}
