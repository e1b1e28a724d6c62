#include "DetectionEntries.h"

#include "ItemDouble.h"
#include "ItemEnable.h"
#include "ItemImport.h"
#include "ItemPoint.h"
#include "ItemPolygon.h"
#include "ItemSystem.h"
#include "ItemWord.h"

namespace {

template <class T> bool Find(CItemGroup& root, const std::string& path, T*& entry)
{
  entry = dynamic_cast<T*>(root.FindByPath(path));
  return entry != nullptr;
}

bool IsWithin(const CItemBase* entry, const CItemBase* ancestor)
{
  for (; entry; entry = entry->m_pParent)
    if (entry == ancestor)
      return true;
  return false;
}

bool HoldsImport(const CItemGroup& group)
{
  for (const auto& child : group.Children()) {
    const CItemGroup* inner = child->AsGroup();
    if (inner && (dynamic_cast<const CItemImport*>(inner) || HoldsImport(*inner)))
      return true;
  }
  return false;
}

} // namespace

bool CDetectionEntries::Resolve(CItemGroup& root, const std::array<std::string, 18>& paths)
{
  for (size_t k = 0; k < lensSwitches.size(); ++k)
    Find(root, paths[14 + k], lensSwitches[k]);
  return Find(root, paths[0], variantGroups[0]) && Find(root, paths[1], variantGroups[1]) &&
         Find(root, paths[2], variantGroups[2]) && Find(root, paths[3], pVariant) &&
         Find(root, paths[4], pCeilingHeight) && Find(root, paths[5], pCeilingPlate) && Find(root, paths[6], pMount) &&
         Find(root, paths[7], pAttitude) && Find(root, paths[8], pCornerBracket) && Find(root, paths[9], pElement) &&
         Find(root, paths[10], lensSystems[0]) && Find(root, paths[11], lensSystems[1]) &&
         Find(root, paths[12], lensSystems[2]) && Find(root, paths[13], pResults) && Find(root, paths[17], pRays);
}

bool CDetectionEntries::ResultsGroupIsSafe(const CItemGroup& root) const
{
  if (pResults == &root || dynamic_cast<const CItemImport*>(pResults) || HoldsImport(*pResults))
    return false;
  const CItemBase* needed[] = {
      variantGroups[0], variantGroups[1], variantGroups[2], pVariant,        pCeilingHeight, pCeilingPlate,
      pMount,           pAttitude,        pCornerBracket,   pElement,        lensSystems[0], lensSystems[1],
      lensSystems[2],   lensSwitches[0],  lensSwitches[1],  lensSwitches[2], pRays};
  for (const CItemBase* entry : needed)
    if (entry && IsWithin(entry, pResults))
      return false;
  return true;
}
