#include "LatticeWalker.h"

#include "ProjectCopy.h"

#include <cstdlib>

CLatticeWalker::CLatticeWalker(CProjectCopy& copy, const CStepLattice& lattice) : m_copy(copy), m_lattice(lattice) {}

void CLatticeWalker::MoveTo(const CStepCounts& target)
{
  if (!m_lattice.bIndependent && target != m_setting) {
    Replay(target);
    return;
  }
  for (size_t axis = 0; axis < kStepAxes; ++axis) {
    while (m_setting[axis] != target[axis]) {
      if (!StepToward(axis, target[axis])) {
        Replay(target);
        return;
      }
    }
  }
}

bool CLatticeWalker::StepToward(size_t axis, int target)
{
  const CAxisChain& chain = m_lattice.axes[axis];
  int next = m_setting[axis] + (target > m_setting[axis] ? 1 : -1);
  bool outward = std::abs(next) > std::abs(m_setting[axis]);
  if (!outward && !chain.bReversible)
    return false;
  // Outwards the word of the branch, back towards the start the other word.
  bool raise = target > m_setting[axis];
  ModuleResult result = m_copy.Step(axis, raise);
  if (result.status < 0 || result.value != chain.Value(next))
    return false;
  m_setting[axis] = next;
  return true;
}

void CLatticeWalker::Replay(const CStepCounts& target)
{
  m_copy.Reload();
  ++m_nReloads;
  for (size_t axis = 0; axis < kStepAxes; ++axis)
    for (int k = 0; k < std::abs(target[axis]); ++k)
      m_copy.Step(axis, target[axis] > 0);
  m_setting = target;
}
