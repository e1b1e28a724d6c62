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

// Parts laid over pieces, with the bounds of each.
class CCover {
public:
  explicit CCover(ExactParts parts) : m_parts(std::move(parts))
  {
    for (const ExactPolygon& part : m_parts)
      m_bounds.push_back(bg::return_envelope<ExactBox>(part));
  }

  const ExactParts& Parts() const { return m_parts; }
  // The piece less the parts. Only those whose bounds meet the piece's go to
  // Boost.Geometry: it would find no crossing with the others, yet still
  // walk them.
  ExactParts Cut(ExactParts piece) const
  {
    if (piece.empty())
      return piece;
    const ExactBox around = bg::return_envelope<ExactBox>(piece);
    ExactParts near;
    for (size_t k = 0; k < m_parts.size(); ++k)
      if (!bg::disjoint(around, m_bounds[k]))
        near.push_back(m_parts[k]);
    if (near.empty())
      return piece;
    ExactParts left;
    bg::difference(piece, near, left);
    return left;
  }

private:
  ExactParts m_parts;
  std::vector<ExactBox> m_bounds;
};

// Each region on its own: the regions of a set may overlap, and cutting by
// each costs less than their union.
std::vector<CCover> CoversOf(const CExactPlane& plane, const std::vector<CPlanarRegion>& regions)
{
  std::vector<CCover> covers;
  for (const CPlanarRegion& region : regions)
    covers.emplace_back(SnapRegion(plane, region));
  return covers;
}

// The pieces of each region less every cover, those of positive area as
// regions.
void AddLeft(const CExactPlane& plane, const std::vector<ExactParts>& pieces, const std::vector<const CCover*>& covers,
             std::vector<CPlanarRegion>& kept)
{
  for (ExactParts piece : pieces) {
    for (const CCover* cover : covers)
      piece = cover->Cut(std::move(piece));
    for (const ExactPolygon& polygon : piece)
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
    const std::vector<CCover> visible = CoversOf(plane, topVisible);
    const std::vector<CCover> shadowed = CoversOf(plane, topShadowed);
    std::vector<const CCover*> covers;
    for (const CCover& cover : visible)
      covers.push_back(&cover);
    std::vector<std::vector<CPlanarRegion>> stacked;
    stacked.push_back(topVisible);
    for (const std::vector<ExactParts>& set : m_kept->visible)
      AddLeft(plane, set, covers, stacked.emplace_back());
    std::vector<ExactParts> topPieces;
    for (const CCover& cover : shadowed)
      topPieces.push_back(cover.Parts());
    const CCover heldVisible(m_kept->visibleUnion);
    covers.push_back(&heldVisible);
    AddLeft(plane, topPieces, covers, stacked.emplace_back());
    covers.pop_back();
    for (const CCover& cover : shadowed)
      covers.push_back(&cover);
    for (const std::vector<ExactParts>& set : m_kept->shadowed)
      AddLeft(plane, set, covers, stacked.emplace_back());
    return stacked;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}
