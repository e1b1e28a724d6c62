#include "SensorCoverages.h"

#include "ModuleTable.h"
#include "Project.h"
#include "SensorSet.h"
#include "SensorUnion.h"

#include <algorithm>

void CSensorCoverages::Analyse(CProject& project, CSensorSet& sensors, bool bShadows, double height, size_t current)
{
  const size_t count = sensors.Count();
  bool changed = count != m_each.size() || current != m_nCurrent;
  m_nCurrent = current;
  m_each.resize(count);
  m_measured.resize(count);
  for (size_t k = 0; k < count; ++k) {
    CMeasured measured{CollectCoverageScene(project.GetRoot(), sensors.Modules(k + 1).m_cad1), bShadows, height};
    if (measured == m_measured[k])
      continue;
    m_each[k] = measured.scene
                    ? std::optional<CCoverage>(AnalyseCoverage(*measured.scene, bShadows, height, AllCores()))
                    : std::nullopt;
    m_measured[k] = std::move(measured);
    changed = true;
  }
  if (!changed && m_united)
    return;
  const auto analysed = std::ranges::count_if(m_each, [](const std::optional<CCoverage>& c) { return c.has_value(); });
  m_rows.resize(analysed > 1 && m_each.front() ? m_each.front()->targets.size() : 0);
  m_united = UniteSensors(m_each, current,
                          [this](size_t row, const CTargetCoverage& entry,
                                 const std::vector<const CSurfaceCoverage*>& onSurface,
                                 std::optional<size_t> last) { return UniteRowOnce(row, entry, onSurface, last); });
}

CSurfaceCoverage CSensorCoverages::UniteRowOnce(size_t row, const CTargetCoverage& entry,
                                                const std::vector<const CSurfaceCoverage*>& onSurface,
                                                std::optional<size_t> last)
{
  CUnitedRow& kept = m_rows[row];
  auto sameFigures = [&onSurface, &kept] {
    if (kept.onSurface.size() != onSurface.size())
      return false;
    for (size_t k = 0; k < onSurface.size(); ++k)
      if (!(*onSurface[k] == kept.onSurface[k]))
        return false;
    return true;
  };
  if (!kept.onSurface.empty() && kept.entry == entry && kept.last == last && sameFigures())
    return kept.united;
  // Sensors whose parts on the surface stay are not snapped again, nor
  // their levels formed again.
  kept.united = UniteRow(entry, onSurface, &kept.snaps, last);
  kept.entry = entry;
  kept.last = last;
  kept.onSurface.clear();
  for (const CSurfaceCoverage* surface : onSurface)
    kept.onSurface.push_back(*surface);
  return kept.united;
}
