#pragma once

#include "Vector.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

class CItemBase;
class CItemGroup;
class CModuleCAD1;

constexpr size_t kNoTarget = std::numeric_limits<size_t>::max();

// A target surface as CAD1 uses it: its stored vertices taken as world
// coordinates.
struct CSceneTarget {
  std::string strPath; // names from the root, joined by "."
  CVectorArray vertices;
  friend bool operator==(const CSceneTarget&, const CSceneTarget&) = default;
};

struct CScenePatch {
  std::string strName;
  CVectorArray vertices;
  size_t target = kNoTarget; // index into CCoverageScene::targets
  friend bool operator==(const CScenePatch&, const CScenePatch&) = default;
};

// Copies of CAD1's targets and patches, so nothing here points into a tree
// that the next run rebuilds.
struct CCoverageScene {
  std::vector<CSceneTarget> targets; // polygon children of F4's variant group
  std::vector<CScenePatch> patches;  // polygon children of the results group
  // FALSE when the results group no longer is what CAD1 last made of these
  // targets (a load, an edit); the patches then have no target.
  bool bTargetsKnown = false;
  CVector centre; // where CAD1 casts its rays from: the element F10
  // The switched-on lens facets as CAD1 last placed them, world coordinates.
  std::vector<CVectorArray> facets;
  // Everything an analysis reads: equal scenes give equal coverages.
  friend bool operator==(const CCoverageScene&, const CCoverageScene&) = default;
};

// None when CAD1's entries do not resolve (no variant group or results group).
std::optional<CCoverageScene> CollectCoverageScene(CItemGroup& root, const CModuleCAD1& cad1);

// Names from the root to the entry, joined by ".".
std::string EntryPath(const CItemBase& entry);
// The path as link records and "kmvtool get" take it: "_" for each blank.
std::string LinkPath(std::string path);

// A floor target: its unit normal points up within 0.999 and every vertex
// lies at height 0 within 1e-6.
bool IsFloorTarget(const CVectorArray& vertices);
