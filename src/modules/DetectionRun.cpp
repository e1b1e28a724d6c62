#include "DetectionRun.h"

#include "ItemDouble.h"
#include "ItemEnable.h"
#include "ItemPoint.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"
#include "ItemWord.h"
#include "LineItem.h"
#include "ProjectAndClip.h"

#include <memory>

namespace {

struct CVariantPlacement {
  CVector mountPosition;
  double mountTurn;
  double attitudeTilt;
};

// Where the sensor sits on the wall (0), on the ceiling (1) and in a corner (2).
constexpr CVariantPlacement kVariants[] = {
    {{0.035, 0.0, 0.05}, 0.0, 0.0},
    {{0.0, 0.0, -0.035}, 0.0, 90.0},
    {{0.072, 0.0, 0.053}, 45.0, 0.0},
};

void ApplyVariant(const CDetectionEntries& entries, int variant)
{
  for (int k = 0; k < 3; ++k)
    entries.variantGroups[static_cast<size_t>(k)]->m_bVisible = k == variant ? 1 : 0;
  const CVariantPlacement& placement = kVariants[variant];
  entries.pMount->m_position = placement.mountPosition;
  entries.pMount->m_rotation.z = placement.mountTurn;
  entries.pAttitude->m_rotation.y = placement.attitudeTilt;
  entries.pCornerBracket->m_bVisible = variant == 2 ? 1 : 0;
  if (variant == 1)
    entries.pCeilingPlate->m_position.z = entries.pCeilingHeight->m_value;
  entries.pMount->UpdateTransformsOfTree();
  entries.pAttitude->UpdateTransformsOfTree();
  entries.pCornerBracket->UpdateTransformsOfTree();
}

CVectorArray WorldVertices(const CItemPolygon& polygon)
{
  CVectorArray world;
  world.reserve(polygon.m_vertices.size());
  for (const CVector& v : polygon.m_vertices)
    world.push_back(TransformPoint(polygon.m_matrix, v));
  return world;
}

// Adds the generated entries of one patch to the results group.
class CResultWriter {
public:
  CResultWriter(CItemGroup& results, const CVector& centre, bool rays)
      : m_results(results), m_centre(centre), m_bRays(rays)
  {
  }

  // The patch first, then one ray per corner: Poly1, Line1.0, Line1.1, ...
  void AddPatch(CVectorArray vertices)
  {
    ++m_nPatches;
    std::string number = std::to_string(m_nPatches);
    auto patch = std::make_unique<CItemPolygon>();
    patch->m_strName = "Poly" + number;
    patch->m_strDescription = "generiert CModuleInfot CAD1";
    patch->m_fillColor = kPatchFillColour;
    patch->m_lineColor = kPatchLineColour;
    patch->m_bFront = 1;
    patch->m_vertices = std::move(vertices);
    CItemPolygon& added = *patch;
    m_results.AddChild(std::move(patch));
    if (!m_bRays)
      return;
    for (size_t i = 0; i < added.m_vertices.size(); ++i) {
      auto ray = std::make_unique<CLineItem>();
      ray->m_strName = "Line" + number + "." + std::to_string(i);
      ray->m_start = m_centre;
      ray->m_end = added.m_vertices[i];
      ray->m_lineColor = {0.0, 0.0, 1.0};
      ray->m_lineWidth = 0.0;
      m_results.AddChild(std::move(ray));
    }
  }

private:
  CItemGroup& m_results;
  CVector m_centre;
  bool m_bRays;
  int m_nPatches = 0;
};

} // namespace

bool ComputeDetection(const CDetectionEntries& entries, CPatchTargets& patchTargets)
{
  int variant = entries.pVariant->m_nValue;
  if (variant < 0 || variant > 2)
    return false;
  ApplyVariant(entries, variant);
  entries.pResults->RemoveAllChildren();

  const CMatrix& element = entries.pElement->m_matrix;
  CVector centre{element[12], element[13], element[14]};
  CResultWriter writer(*entries.pResults, centre, entries.pRays->m_bValue != 0);
  // The surfaces of the visible variant, prepared once for every facet.
  std::vector<CClipTarget> targets;
  for (const auto& child : entries.variantGroups[static_cast<size_t>(variant)]->Children())
    if (const auto* surface = dynamic_cast<const CItemPolygon*>(child.get()))
      targets.emplace_back(surface->m_vertices);
  patchTargets = {variant, targets.size(), {}};
  for (const CVectorArray& facetWorld : WatchingFacets(entries)) {
    CFacetProjector projector(centre, facetWorld);
    for (size_t t = 0; t < targets.size(); ++t) {
      CVectorArray patch = projector.Clip(targets[t]);
      if (patch.size() > 2) {
        writer.AddPatch(std::move(patch));
        patchTargets.indices.push_back(t);
      }
    }
  }
  return true;
}

std::vector<CVectorArray> WatchingFacets(const CDetectionEntries& entries)
{
  std::vector<CVectorArray> facets;
  for (size_t k = 0; k < entries.lensSystems.size(); ++k) {
    const CItemEnable* lensSwitch = entries.lensSwitches[k];
    if (lensSwitch && !lensSwitch->m_bValue)
      continue;
    for (const auto& lensChild : entries.lensSystems[k]->Children())
      if (const auto* facet = dynamic_cast<const CItemPolygon*>(lensChild.get()))
        facets.push_back(WorldVertices(*facet));
  }
  return facets;
}
