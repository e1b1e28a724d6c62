#pragma once

#include "StepLattice.h"

class CProjectCopy;

// Moves one copy of the project from setting to setting of the lattice by
// steps, so that every setting holds exactly the numbers that stepping out
// from the start gives. A step out from a setting on the chain lands on the
// chain; a step back is checked against it. When a step misses, or on a
// lattice whose axes share numbers, the copy is loaded again and stepped out
// from the start in the order mh, dw, kw.
class CLatticeWalker {
public:
  // The copy must be at the start and outlive the walker.
  CLatticeWalker(CProjectCopy& copy, const CStepLattice& lattice);

  void MoveTo(const CStepCounts& target);
  const CStepCounts& Setting() const { return m_setting; }
  // How often the copy was loaded again.
  size_t Reloads() const { return m_nReloads; }

private:
  // One step of an axis towards the target; FALSE when it missed the chain.
  bool StepToward(size_t axis, int target);
  void Replay(const CStepCounts& target);

  CProjectCopy& m_copy;
  const CStepLattice& m_lattice;
  CStepCounts m_setting{};
  size_t m_nReloads = 0;
};
