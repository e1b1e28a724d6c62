#include "PlacementSearch.h"

#include "LatticeWalker.h"
#include "PlanEntries.h"
#include "ProjectCopy.h"
#include "ZoneCoverage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Hands out the slabs of the outermost axis from the start outwards on
// either side, so that a thread going on along its side steps outwards only.
class CSlabQueue {
public:
  CSlabQueue(int lowest, int highest) : m_nLowest(lowest), m_nHighest(highest) {}

  std::optional<int> Take(bool preferRaised)
  {
    std::lock_guard lock(m_mutex);
    bool raisedLeft = m_nNextRaised <= m_nHighest;
    bool loweredLeft = m_nNextLowered >= m_nLowest;
    if (raisedLeft && (preferRaised || !loweredLeft))
      return m_nNextRaised++;
    if (loweredLeft)
      return m_nNextLowered--;
    return std::nullopt;
  }

private:
  std::mutex m_mutex;
  int m_nLowest;
  int m_nHighest;
  int m_nNextRaised = 0;
  int m_nNextLowered = -1;
};

// The axes outermost first: the one whose steps back miss most is walked
// outwards only, the one walked back and forth most is innermost.
std::array<size_t, kStepAxes> WalkOrder(const CStepLattice& lattice)
{
  std::array<size_t, kStepAxes> order{0, 1, 2};
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const CAxisChain& x = lattice.axes[a];
    const CAxisChain& y = lattice.axes[b];
    if (x.nMissedReturns != y.nMissedReturns)
      return x.nMissedReturns > y.nMissedReturns;
    return x.Length() > y.Length();
  });
  return order;
}

class CSearch {
public:
  CSearch(const CPlacementRequest& request, CSurfaceChoice choice, const CStepLattice& lattice)
      : m_request(request), m_choice(std::move(choice)), m_lattice(lattice), m_order(WalkOrder(lattice)),
        m_slabs(lattice.axes[m_order[0]].Lowest(), lattice.axes[m_order[0]].Highest()), m_sums(lattice.Size())
  {
  }

  size_t SlabCount() const { return m_lattice.axes[m_order[0]].Length(); }

  // One thread's share: slabs of the outermost axis, each walked as a snake
  // so that every setting is one step from the one before.
  void Work(CProjectCopy& copy, bool preferRaised)
  {
    CLatticeWalker walker(copy, m_lattice);
    bool first = true;
    while (std::optional<int> slab = m_slabs.Take(preferRaised)) {
      CStepCounts setting = walker.Setting();
      setting[m_order[0]] = *slab;
      if (first) {
        setting[m_order[1]] = m_lattice.axes[m_order[1]].Lowest();
        setting[m_order[2]] = m_lattice.axes[m_order[2]].Lowest();
        first = false;
      }
      if (!WalkSlab(walker, copy, setting))
        break;
    }
    m_nReloads += walker.Reloads();
  }

  bool Cancelled() const { return m_request.pCancel && m_request.pCancel->load(); }
  size_t Reloads() const { return m_nReloads; }

  // The index of the best setting; none when no setting keeps the zones free.
  std::optional<size_t> Best() const
  {
    auto counts = [this](const CWatchedSum& sum) {
      return !m_request.bKeepZonesFree || sum.zoneWatched < kZoneFreeArea;
    };
    double most = -std::numeric_limits<double>::infinity();
    for (const CWatchedSum& sum : m_sums)
      if (counts(sum))
        most = std::max(most, sum.watched);
    double least = most - kWatchedTieTolerance * std::max(1.0, most);
    std::optional<size_t> best;
    int fewest = std::numeric_limits<int>::max();
    for (size_t i = 0; i < m_sums.size(); ++i) {
      int steps = TotalSteps(m_lattice.At(i));
      if (counts(m_sums[i]) && m_sums[i].watched >= least && steps < fewest) {
        best = i;
        fewest = steps;
      }
    }
    return best;
  }
  const CWatchedSum& SumAt(size_t index) const { return m_sums[index]; }

private:
  // From the corner the walker is at to the opposite one; FALSE when
  // cancelled.
  bool WalkSlab(CLatticeWalker& walker, CProjectCopy& copy, CStepCounts setting)
  {
    const size_t middle = m_order[1];
    const size_t inner = m_order[2];
    const int middleEnd = OtherEnd(middle, setting[middle]);
    for (;; setting[middle] += middleEnd > setting[middle] ? 1 : -1) {
      const int innerEnd = OtherEnd(inner, setting[inner]);
      for (;; setting[inner] += innerEnd > setting[inner] ? 1 : -1) {
        if (Cancelled())
          return false;
        walker.MoveTo(setting);
        copy.Detect();
        Record(setting, copy.Watched(m_choice));
        if (setting[inner] == innerEnd)
          break;
      }
      if (setting[middle] == middleEnd)
        return true;
    }
  }

  int OtherEnd(size_t axis, int count) const
  {
    const CAxisChain& chain = m_lattice.axes[axis];
    return count == chain.Lowest() ? chain.Highest() : chain.Lowest();
  }

  void Record(const CStepCounts& setting, const CWatchedSum& sum)
  {
    m_sums[m_lattice.Index(setting)] = sum;
    size_t done = ++m_nDone;
    if (m_request.progress) {
      std::lock_guard lock(m_progressMutex);
      m_request.progress(done, m_sums.size());
    }
  }

  const CPlacementRequest& m_request;
  const CSurfaceChoice m_choice; // with the zones to keep free
  const CStepLattice& m_lattice;
  const std::array<size_t, kStepAxes> m_order;
  CSlabQueue m_slabs;
  // Per setting in lattice order; each written by the one thread that
  // measured it.
  std::vector<CWatchedSum> m_sums;
  std::atomic<size_t> m_nDone{0};
  std::atomic<size_t> m_nReloads{0};
  std::mutex m_progressMutex;
};

} // namespace

CPlacementOutcome FindBestPlacement(const CPlacementRequest& request)
{
  CPlacementOutcome outcome;
  CProjectCopy copy(request.text, request.sensor);
  if (std::optional<std::string> unknown = FindUnknownSurface(copy.Project(), request.surfaces)) {
    outcome.status = PlacementStatus::UnknownSurface;
    outcome.strUnknownSurface = *unknown;
    return outcome;
  }
  std::optional<CStepLattice> lattice = MapStepLattice(copy);
  if (!lattice) {
    outcome.status = PlacementStatus::TooLarge;
    return outcome;
  }
  outcome.nSettings = lattice->Size();

  CSurfaceChoice choice = request.surfaces;
  if (request.bKeepZonesFree)
    if (std::optional<CRoomPlan> plan = FindRoomPlan(copy.Project()))
      choice.zones = ZoneOutlines(*plan, choice.height);
  CSearch search(request, std::move(choice), *lattice);
  size_t threads = std::clamp<size_t>(request.nThreads, 1, search.SlabCount());
  std::vector<std::thread> helpers;
  for (size_t t = 1; t < threads; ++t) {
    try {
      helpers.emplace_back([&search, &request, t] {
        CProjectCopy own(request.text, request.sensor);
        search.Work(own, t % 2 == 0);
      });
    } catch (const std::system_error&) {
      // Fewer threads: those that run take the remaining slabs.
      break;
    }
  }
  search.Work(copy, true);
  for (std::thread& helper : helpers)
    helper.join();

  outcome.nReloads = search.Reloads();
  if (search.Cancelled()) {
    outcome.status = PlacementStatus::Cancelled;
    return outcome;
  }
  std::optional<size_t> free = search.Best();
  if (!free) {
    outcome.status = PlacementStatus::NoFreeSetting;
    return outcome;
  }
  size_t best = *free;
  outcome.steps = lattice->At(best);
  for (size_t axis = 0; axis < kStepAxes; ++axis)
    outcome.values[axis] = lattice->axes[axis].Value(outcome.steps[axis]);
  outcome.best = search.SumAt(best);
  return outcome;
}
