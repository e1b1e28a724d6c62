#include "HugePages.h"

#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void AdviseHugePages([[maybe_unused]] void* data, [[maybe_unused]] size_t size)
{
#if defined(__linux__)
  constexpr std::uintptr_t kHugePage = std::uintptr_t(1) << 21;
  auto first = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
  auto last = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHugePage - 1);
  if (last > first)
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

void GrowHeapInHugePages([[maybe_unused]] size_t bytes)
{
#if defined(__linux__) && defined(__GLIBC__)
  constexpr size_t kSmallBlock = 64 << 10;
  auto* low = static_cast<char*>(sbrk(0));
  // The heap grows by the pad at its next growth and is not given back
  // below twice that, so the advised range stays the heap's.
  mallopt(M_TOP_PAD, static_cast<int>(bytes));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * bytes));
  void* volatile block = std::malloc(kSmallBlock);
  std::free(block);
  auto* high = static_cast<char*>(sbrk(0));
  if (low != reinterpret_cast<char*>(-1) && high > low)
    AdviseHugePages(low, static_cast<size_t>(high - low));
#endif
}
