#pragma once

#include "Coverage.h"
#include "SurfaceChoice.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The chosen surfaces watched by several sensors while one of them is
// searched and the others are held: what SumWatched(UniteCoverage(...))
// gives, but the held sensors' parts are snapped and united once, so that
// each setting of the searched one only measures its own parts on the
// surfaces the choice needs and adds them.
class CHeldUnion {
public:
  // Every sensor's coverage in sensor order; the searched sensor's place
  // (0-based) and those of sensors whose CAD1 entries do not resolve empty.
  CHeldUnion(std::vector<std::optional<CCoverage>> sensors, size_t searched, CSurfaceChoice choice);
  ~CHeldUnion();
  CHeldUnion(const CHeldUnion&) = delete;
  CHeldUnion& operator=(const CHeldUnion&) = delete;

  // With the searched sensor's scene as its CAD1 last ran; null when its
  // entries do not resolve.
  CWatchedSum Watched(const CCoverageScene* searched);

private:
  struct CRow;

  // The held sensors' parts on the surface, prepared at the first call.
  const CRow& HeldRow(const CSceneTarget& target);
  // The united surface of the row as UniteCoverage makes it (area, watched
  // and the parts of every sensor).
  CSurfaceCoverage UniteRow(const CSceneTarget& target, const CSurfaceCoverage& own, const CSurfaceCoverage* searched);

  std::vector<std::optional<CCoverage>> m_sensors;
  size_t m_nSearched;
  CSurfaceChoice m_choice;
  std::map<std::string, std::unique_ptr<CRow>> m_rows;
};
