#pragma once

#include "Vector.h"

#include <functional>
#include <optional>
#include <vector>

struct CCoverage;
class CProject;

// The patches as the coverage counts them, for the 3D view in place of CAD1's
// patch entries: the visible parts in the patches' colour and outline, and
// the shadowed parts of each surface (reached by patches, seen by none) pale
// with an outline in the patches' colour. Tessellated once per coverage
// analysis, so a scene build only copies triangles into the face batch.
class CShadowLayer {
public:
  explicit CShadowLayer(const CCoverage& coverage);

  // Whether the target's parts are drawn cut to the skirting, as the walls
  // between the eye and the floor are.
  using CCutTest = std::function<bool(const CVectorArray& target)>;

  // Hands the visible parts, and the shadowed ones with bShadowed, to the
  // face batch of the scene being built.
  void AddToScene(bool bShadowed, const CCutTest& isCut) const;

private:
  struct CParts {
    CVectorArray triangles; // three corners each
    std::vector<CVectorArray> rings;
  };
  struct CTargetParts {
    CVectorArray target;
    CParts visible;
    CParts shadowed;
  };

  static void AddParts(const CParts& parts, bool cut, const CVector& fill, const CVector& line);

  std::vector<CTargetParts> m_targets;
};

// The layer of the project's current patches; none when it has no coverage
// that accounts for every patch (stale or changed results), and CAD1's
// patch entries are drawn as they are.
std::optional<CShadowLayer> MakeShadowLayer(CProject& project);

// Draws the project's entries, its patches through the layer when there is
// one (while CAD1's results group is shown); a step of a scene source.
void DrawProjectScene(CProject& project, const std::optional<CShadowLayer>& layer, bool bShadowed,
                      const CShadowLayer::CCutTest& isCut);
