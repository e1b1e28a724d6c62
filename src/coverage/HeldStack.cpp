#include "HeldStack.h"

#include "ExactPlane.h"
#include "UnionParts.h"

#include <boost/geometry.hpp>

#include <exception>

namespace {

namespace bg = boost::geometry;

// Each region of each set cut by the union of the sets before it (and of
// `above`), as ExactParts; `above` ends as the union of everything.
std::vector<std::vector<ExactParts>>
CutInOrder(const CExactPlane& plane, const std::vector<const std::vector<CPlanarRegion>*>& sets, ExactParts& above)
{
  std::vector<std::vector<ExactParts>> cut;
  for (const std::vector<CPlanarRegion>* set : sets) {
    std::vector<ExactParts>& pieces = cut.emplace_back();
    ExactParts whole;
    for (const CPlanarRegion& region : *set) {
      ExactParts part = SnapRegion(plane, region);
      ExactParts left;
      bg::difference(part, above, left);
      pieces.push_back(std::move(left));
      whole = Unite(whole, part);
    }
    above = Unite(above, whole);
  }
  return cut;
}

using ExactBox = bg::model::box<ExactPoint>;

// The parts of `cover` whose bounds meet the piece's: Boost.Geometry would
// find no crossing with the others, yet still walk them.
ExactParts NearParts(const ExactParts& piece, const ExactParts& cover, const std::vector<ExactBox>& bounds)
{
  ExactParts near;
  const ExactBox around = bg::return_envelope<ExactBox>(piece);
  for (size_t k = 0; k < cover.size(); ++k)
    if (!bg::disjoint(around, bounds[k]))
      near.push_back(cover[k]);
  return near;
}

// The pieces of each region less `cover`, those of positive area as regions.
void AddLeft(const CExactPlane& plane, const std::vector<ExactParts>& pieces, const ExactParts& cover,
             std::vector<CPlanarRegion>& kept)
{
  std::vector<ExactBox> bounds;
  for (const ExactPolygon& part : cover)
    bounds.push_back(bg::return_envelope<ExactBox>(part));
  for (const ExactParts& piece : pieces) {
    const ExactParts near = NearParts(piece, cover, bounds);
    ExactParts cut;
    if (!near.empty())
      bg::difference(piece, near, cut);
    for (const ExactPolygon& polygon : near.empty() ? piece : cut)
      if (AreaOf(polygon) >= kPositiveArea)
        kept.push_back(plane.ToRegion(polygon));
  }
}

} // namespace

struct CHeldStack::CKept {
  CExactPlane plane;
  // Per held set, per region: what the held sets above leave of it.
  std::vector<std::vector<ExactParts>> visible, shadowed;
  ExactParts visibleUnion; // of every held visible set
};

CHeldStack::CHeldStack(std::unique_ptr<CKept> kept) : m_kept(std::move(kept)) {}

CHeldStack::~CHeldStack() = default;

std::shared_ptr<const CHeldStack> CHeldStack::Make(const CVectorArray& surface,
                                                   const std::vector<const std::vector<CPlanarRegion>*>& visible,
                                                   const std::vector<const std::vector<CPlanarRegion>*>& shadowed)
{
  std::optional<CExactPlane> plane = CExactPlane::Make(surface);
  if (!plane)
    return nullptr;
  try {
    auto kept = std::make_unique<CKept>(CKept{*plane, {}, {}, {}});
    kept->visible = CutInOrder(*plane, visible, kept->visibleUnion);
    ExactParts above = kept->visibleUnion;
    kept->shadowed = CutInOrder(*plane, shadowed, above);
    return std::shared_ptr<const CHeldStack>(new CHeldStack(std::move(kept)));
  } catch (const std::exception&) {
    return nullptr;
  }
}

std::optional<std::vector<std::vector<CPlanarRegion>>>
CHeldStack::Under(const std::vector<CPlanarRegion>& topVisible, const std::vector<CPlanarRegion>& topShadowed) const
{
  const CExactPlane& plane = m_kept->plane;
  try {
    const ExactParts visible = SnapRegions(plane, topVisible);
    std::vector<std::vector<CPlanarRegion>> stacked;
    stacked.push_back(topVisible);
    for (const std::vector<ExactParts>& set : m_kept->visible)
      AddLeft(plane, set, visible, stacked.emplace_back());
    std::vector<ExactParts> topPieces;
    for (const CPlanarRegion& region : topShadowed)
      topPieces.push_back(SnapRegion(plane, region));
    AddLeft(plane, topPieces, Unite(visible, m_kept->visibleUnion), stacked.emplace_back());
    const ExactParts top = Unite(visible, SnapRegions(plane, topShadowed));
    for (const std::vector<ExactParts>& set : m_kept->shadowed)
      AddLeft(plane, set, top, stacked.emplace_back());
    return stacked;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}
