#include "ParallelIndices.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <system_error>
#include <vector>

void ForEachIndex(size_t count, size_t threads, const std::function<void(size_t)>& work)
{
  std::atomic<size_t> next{0};
  auto drain = [&] {
    for (size_t index = next++; index < count; index = next++)
      work(index);
  };
  std::vector<std::future<void>> helpers;
  for (size_t k = 1; k < std::min(count, threads); ++k) {
    try {
      helpers.push_back(std::async(std::launch::async, drain));
    } catch (const std::system_error&) {
      break;
    }
  }
  drain();
  // Rethrows what a helper's work threw, as the calling thread's would be.
  for (std::future<void>& helper : helpers)
    helper.get();
}
