#include "HugePages.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr size_t kHugePage = size_t(1) << 21;

} // namespace

void AdviseHugePages([[maybe_unused]] void* data, [[maybe_unused]] size_t size)
{
#if defined(__linux__)
  auto first = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
  auto last = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHugePage - 1);
  if (last > first)
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

std::shared_ptr<char[]> AllocateText(size_t& size)
{
  if (size < kHugePage)
    return std::make_shared_for_overwrite<char[]>(size);
  size = (size + kHugePage - 1) & ~(kHugePage - 1);
  auto* data = static_cast<char*>(::operator new[](size, std::align_val_t{kHugePage}));
  AdviseHugePages(data, size);
  return {data, [](char* p) { ::operator delete[](p, std::align_val_t{kHugePage}); }};
}

void GrowHeapInHugePages([[maybe_unused]] size_t bytes)
{
#if defined(__linux__) && defined(__GLIBC__)
  constexpr size_t kSmallBlock = 64 << 10;
  auto* low = static_cast<char*>(sbrk(0));
  if (low == reinterpret_cast<char*>(-1))
    return;
  // The heap goes on from the next huge page (malloc passes over a break
  // moved by others): the part in front of it would take a fault per 4 KiB.
  size_t gap = (kHugePage - reinterpret_cast<std::uintptr_t>(low) % kHugePage) % kHugePage;
  if (gap != 0 && sbrk(static_cast<intptr_t>(gap)) != reinterpret_cast<void*>(-1))
    low += gap;
  // The heap grows by the pad at its next growth and is not given back
  // below twice that, so the advised range stays the heap's.
  mallopt(M_TOP_PAD, static_cast<int>(bytes));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * bytes));
  void* volatile block = std::malloc(kSmallBlock);
  std::free(block);
  auto* high = static_cast<char*>(sbrk(0));
  if (high <= low)
    return;
  AdviseHugePages(low, static_cast<size_t>(high - low));
  // Growing wrote into the first huge page before the advice, which left it
  // in 4 KiB pages; MADV_COLLAPSE (Linux 6.1 on, else refused) joins it.
  constexpr int kCollapse = 25;
  madvise(low, kHugePage, kCollapse);
#endif
}
