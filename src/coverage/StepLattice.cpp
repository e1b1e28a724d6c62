#include "StepLattice.h"

#include "ProjectCopy.h"

#include <algorithm>

namespace {

// The word's numbers until a step changes nothing or fails; FALSE past the
// bound.
bool FollowWord(CProjectCopy& copy, size_t axis, bool raise, double start, std::vector<double>& chain)
{
  double previous = start;
  for (;;) {
    ModuleResult result = copy.Step(axis, raise);
    if (result.status < 0 || result.value == previous)
      return true;
    if (chain.size() == kMaxAxisSteps)
      return false;
    chain.push_back(result.value);
    previous = result.value;
  }
}

// Steps back along the chain with the other word, counting the steps that
// miss it; TRUE when the copy ends at the start exactly.
bool ReturnToStart(CProjectCopy& copy, size_t axis, bool raise, CAxisChain& chain)
{
  const std::vector<double>& values = raise ? chain.raised : chain.lowered;
  double reached = values.empty() ? chain.start : values.back();
  for (size_t k = values.size(); k > 0; --k) {
    ModuleResult result = copy.Step(axis, !raise);
    reached = result.status < 0 ? reached : result.value;
    double expected = k > 1 ? values[k - 2] : chain.start;
    chain.nMissedReturns += reached == expected ? 0 : 1;
  }
  return reached == chain.start;
}

bool MapAxis(CProjectCopy& copy, size_t axis, CAxisChain& chain)
{
  const double* raisedNumber = copy.SteppedNumber(axis, true);
  const double* loweredNumber = copy.SteppedNumber(axis, false);
  const double* number = raisedNumber ? raisedNumber : loweredNumber;
  if (!number)
    return true;
  chain.start = *number;
  chain.bReversible = raisedNumber == loweredNumber;
  for (bool raise : {true, false}) {
    std::vector<double>& values = raise ? chain.raised : chain.lowered;
    if (!FollowWord(copy, axis, raise, chain.start, values))
      return false;
    if (!chain.bReversible) {
      chain.nMissedReturns += values.size();
      copy.Reload();
    } else if (!ReturnToStart(copy, axis, raise, chain)) {
      copy.Reload();
    }
  }
  return true;
}

// No number stepped by two axes: each axis steps its own one or two.
bool AxesIndependent(CProjectCopy& copy)
{
  std::vector<const double*> numbers;
  size_t expected = 0;
  for (size_t axis = 0; axis < kStepAxes; ++axis) {
    const double* raised = copy.SteppedNumber(axis, true);
    const double* lowered = copy.SteppedNumber(axis, false);
    for (const double* number : {raised, lowered})
      if (number)
        numbers.push_back(number);
    expected += raised && lowered && raised != lowered ? 2 : (raised || lowered ? 1 : 0);
  }
  std::sort(numbers.begin(), numbers.end());
  return static_cast<size_t>(std::unique(numbers.begin(), numbers.end()) - numbers.begin()) == expected;
}

} // namespace

double CAxisChain::Value(int count) const
{
  if (count > 0)
    return raised[static_cast<size_t>(count - 1)];
  if (count < 0)
    return lowered[static_cast<size_t>(-count - 1)];
  return start;
}

size_t CStepLattice::Size() const
{
  return axes[0].Length() * axes[1].Length() * axes[2].Length();
}

size_t CStepLattice::Index(const CStepCounts& counts) const
{
  size_t index = 0;
  for (size_t axis = 0; axis < kStepAxes; ++axis)
    index = index * axes[axis].Length() + static_cast<size_t>(counts[axis] - axes[axis].Lowest());
  return index;
}

CStepCounts CStepLattice::At(size_t index) const
{
  CStepCounts counts{};
  for (size_t axis = kStepAxes; axis-- > 0;) {
    counts[axis] = static_cast<int>(index % axes[axis].Length()) + axes[axis].Lowest();
    index /= axes[axis].Length();
  }
  return counts;
}

std::optional<CStepLattice> MapStepLattice(CProjectCopy& copy)
{
  CStepLattice lattice;
  size_t size = 1;
  for (size_t axis = 0; axis < kStepAxes; ++axis) {
    CAxisChain& chain = lattice.axes[axis];
    if (!MapAxis(copy, axis, chain) || size > kMaxLatticeSize / chain.Length())
      return std::nullopt;
    size *= chain.Length();
  }
  lattice.bIndependent = AxesIndependent(copy);
  return lattice;
}
