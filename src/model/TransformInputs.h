#pragma once

#include <vector>

class CItemBase;

// What an entry's matrix was last computed from: the placements of the entry
// and of every entry above it with a frame, bit for bit. The same numbers
// give the same matrix and inverse, so a tree whose placements did not move
// need not be computed again.
class CTransformInputs {
public:
  // Whether the entry's placements differ from the last ones, which they
  // then become.
  bool Update(const CItemBase& entry);

private:
  std::vector<double> m_last;
};
