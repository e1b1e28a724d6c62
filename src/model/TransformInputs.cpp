#include "TransformInputs.h"

#include "ItemBase.h"

#include <cstring>

bool CTransformInputs::Update(const CItemBase& entry)
{
  std::vector<double> now;
  now.reserve(m_last.size());
  entry.AppendPlacements(now);
  // Compared as bits: -0.0 turns a matrix differently from 0.0, and a NaN
  // gives the same matrix again.
  if (!m_last.empty() && now.size() == m_last.size() &&
      std::memcmp(now.data(), m_last.data(), now.size() * sizeof(double)) == 0)
    return false;
  m_last = std::move(now);
  return true;
}
