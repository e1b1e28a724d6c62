#pragma once

#include "Coverage.h"
#include "Vector.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CHeldStack;
class CProject;
class CSensorSet;

// One sensor's coverage alone, with the results group its CAD1 fills.
struct CSensorPatches {
  size_t sensor = 1; // numbered from 1
  CCoverage coverage;
  std::string strResults; // path of the results group
};

// The patches as the coverage counts them, for the 3D view in place of CAD1's
// patch entries: the visible parts in the patches' colour and outline, and
// the shadowed parts of each surface (reached by patches, seen by none) pale
// with an outline in the patches' colour. Tessellated once per coverage
// analysis, so a scene build only copies triangles into the face batch.
class CShadowLayer {
public:
  explicit CShadowLayer(const CCoverage& coverage);
  // Several sensors, each in its own colour (SensorColour), the current
  // one's outlines bold and black, the others' in a dark shade of their
  // colour. Coplanar fills of different colours would fight in depth, so
  // where parts overlap only the topmost is drawn: the current sensor's
  // visible parts, the others' by number, then the shadowed parts likewise.
  // A step moves one sensor: with the previous layer given, a target whose
  // other sensors' parts are as they were keeps their stacking, and only
  // the current sensor's parts are laid over it (CHeldStack).
  CShadowLayer(const std::vector<CSensorPatches>& sensors, size_t current, const CShadowLayer* previous = nullptr);

  // Whether the target's parts are drawn cut to the skirting, as the walls
  // between the eye and the floor are.
  using CCutTest = std::function<bool(const CVectorArray& target)>;

  // Hands the visible parts, and the shadowed ones with bShadowed, to the
  // face batch of the scene being built.
  void AddToScene(bool bShadowed, const CCutTest& isCut) const;
  // Whether the layer holds every shown sensor's patches, and the results
  // groups whose entries it stands for.
  bool IsPerSensor() const { return m_bPerSensor; }
  const std::vector<std::string>& DrawnResults() const { return m_drawnResults; }
  // Whether the two hand the same parts to a scene.
  bool DrawsAs(const CShadowLayer& other) const
  {
    return m_targets == other.m_targets && m_drawnResults == other.m_drawnResults;
  }

private:
  struct CParts {
    bool bShadowed = false;
    CVector fill, line;
    bool bBold = false;
    CVectorArray triangles; // three corners each
    std::vector<CVectorArray> rings;
    // The regions tessellated, and where each one's triangles end: a step
    // of one sensor leaves most regions as they were, and their triangles
    // are taken from the previous layer.
    std::vector<CPlanarRegion> regions;
    std::vector<size_t> triangleEnds;
    friend bool operator==(const CParts&, const CParts&) = default;
  };
  struct CTargetParts {
    CVectorArray target;
    std::vector<CParts> parts;
    friend bool operator==(const CTargetParts&, const CTargetParts&) = default;
  };

  // The parts of the sensors other than the current one on a target, and
  // their stacking (null when the target has no plane on the grid).
  struct CHeldParts {
    size_t current = 0;
    std::vector<size_t> sensors;
    std::vector<std::vector<CPlanarRegion>> visible, shadowed;
    std::shared_ptr<const CHeldStack> stack;
    bool SameParts(const CHeldParts& other) const;
  };

  static void AddParts(const CParts& parts, bool cut);
  // Tessellates the regions into `parts`, a region's triangles taken from
  // `before` (the previous layer's parts on the same target) where it holds
  // the same region; a layer of one sensor keeps no regions.
  void Tessellate(const std::vector<CPlanarRegion>& regions, CParts& parts, const CTargetParts* before) const;

  std::vector<CTargetParts> m_targets;
  std::vector<CHeldParts> m_held; // per target, with several sensors
  std::vector<std::string> m_drawnResults;
  bool m_bPerSensor = false;
};

// Each sensor's coverage alone, in number order, leaving out those whose
// results group is hidden; none when a sensor shown has no coverage that
// accounts for every patch. The further sensors' CAD1 must have run in
// the set.
std::optional<std::vector<CSensorPatches>> CollectSensorPatches(CProject& project, CSensorSet& sensors,
                                                                double height = 0.0);
// The same from coverages already measured, one per sensor in number order.
std::optional<std::vector<CSensorPatches>> SensorPatchesOf(CProject& project, CSensorSet& sensors,
                                                           const std::vector<std::optional<CCoverage>>& each);

// The layer of the project's current patches, of every sensor of the set
// when it holds several; none when it has no coverage that accounts for
// every patch (stale or changed results), and CAD1's patch entries are drawn
// as they are.
std::optional<CShadowLayer> MakeShadowLayer(CProject& project, CSensorSet* sensors = nullptr, size_t current = 1);

// Told, between the room and the rest of a scene, the text the room's
// drawing follows from; none when it is too long to keep.
using CEndRoom = std::function<void(std::optional<std::string_view> records)>;

// Draws the project's entries, its patches through the layer when there is
// one (while CAD1's results group is shown), and none of the further
// sensors' stale patches (when the set is given); a step of a scene source.
// With endRoom, the room's entries come first: the top-level entries of no
// sensor that hold no results group and nothing that drawing leaves out,
// which a sensor step leaves as they are. endRoom then gets their records,
// with those of included and library models that the project text leaves
// out, so that the same text means the same drawing.
void DrawProjectScene(CProject& project, const std::optional<CShadowLayer>& layer, bool bShadowed,
                      const CShadowLayer::CCutTest& isCut, const CSensorSet* sensors = nullptr,
                      const CEndRoom& endRoom = {});
