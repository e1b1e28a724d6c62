#include "ShadowLayer.h"

#include "Coverage.h"
#include "DetectionRun.h"
#include "FaceBatch.h"
#include "GLRegion.h"
#include "Project.h"
#include "WallCutaway.h"

namespace {

// The patches' colour mixed this far towards white.
constexpr double kPaleness = 0.7;

const CMatrix kWorld;

CVector Pale(const CVector& colour)
{
  return colour + (CVector{1.0, 1.0, 1.0} - colour) * kPaleness;
}

void Tessellate(const std::vector<CPlanarRegion>& regions, CVectorArray& triangles, std::vector<CVectorArray>& rings)
{
  for (const CPlanarRegion& region : regions) {
    CVectorArray part = TriangulateRegion(region.outer, region.holes);
    triangles.insert(triangles.end(), part.begin(), part.end());
    rings.push_back(region.outer);
    rings.insert(rings.end(), region.holes.begin(), region.holes.end());
  }
}

} // namespace

CShadowLayer::CShadowLayer(const CCoverage& coverage)
{
  for (const CTargetCoverage& entry : coverage.targets) {
    CTargetParts& parts = m_targets.emplace_back();
    parts.target = entry.target.vertices;
    Tessellate(entry.coverage.patchParts, parts.visible.triangles, parts.visible.rings);
    Tessellate(entry.coverage.shadowed, parts.shadowed.triangles, parts.shadowed.rings);
  }
}

void CShadowLayer::AddToScene(bool bShadowed, const CCutTest& isCut) const
{
  for (const CTargetParts& parts : m_targets) {
    bool cut = isCut && isCut(parts.target);
    AddParts(parts.visible, cut, kPatchFillColour, kPatchLineColour);
    if (bShadowed)
      AddParts(parts.shadowed, cut, Pale(kPatchFillColour), kPatchFillColour);
  }
}

void CShadowLayer::AddParts(const CParts& parts, bool cut, const CVector& fill, const CVector& line)
{
  // In the patches' own depth layer, in front of the surfaces they lie on.
  constexpr bool kFront = true;
  CVectorArray triangle(3);
  for (size_t i = 0; i + 2 < parts.triangles.size(); i += 3) {
    triangle.assign(parts.triangles.begin() + static_cast<std::ptrdiff_t>(i),
                    parts.triangles.begin() + static_cast<std::ptrdiff_t>(i + 3));
    CVector normal = Cross(triangle[1] - triangle[0], triangle[2] - triangle[0]);
    DeferFill(kWorld, cut ? BelowSkirting(triangle) : triangle, normal, fill, kFront);
  }
  for (const CVectorArray& ring : parts.rings)
    DeferOutline(kWorld, cut ? BelowSkirting(ring) : ring, line, kFront);
}

std::optional<CShadowLayer> MakeShadowLayer(CProject& project)
{
  std::optional<CCoverage> coverage = project.ArePatchesCurrent() ? AnalyseCoverage(project) : std::nullopt;
  if (!coverage || coverage->nUnassigned != 0)
    return std::nullopt;
  return CShadowLayer(*coverage);
}

void DrawProjectScene(CProject& project, const std::optional<CShadowLayer>& layer, bool bShadowed,
                      const CShadowLayer::CCutTest& isCut)
{
  project.DrawTree(!layer);
  const CItemBase* results =
      project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[CModuleCAD1::kResultsField]);
  if (layer && results && results->IsVisible())
    layer->AddToScene(bShadowed, isCut);
}
