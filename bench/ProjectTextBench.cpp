#include "ItemGroup.h"
#include "ProjectReader.h"
#include "ProjectTextSample.h"
#include "TextBuffer.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

long PeakRssKilobytes()
{
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> value;
      return value;
    }
    status.ignore(1 << 20, '\n');
  }
  return 0;
}

void BM_ReadProjectText(benchmark::State& state)
{
  std::string text = MakeProjectText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto root = std::make_unique<CItemGroup>();
    CParseContext context;
    benchmark::DoNotOptimize(Parse(text, *root, context));
    state.PauseTiming();
    root.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["peak_rss_MB"] = static_cast<double>(PeakRssKilobytes()) / 1024.0;
  state.counters["text_MB"] = static_cast<double>(text.size()) / (1 << 20);
}

void BM_WriteProjectText(benchmark::State& state)
{
  std::string text = MakeProjectText(static_cast<int>(state.range(0)));
  CItemGroup root;
  CParseContext context;
  Parse(text, root, context);
  // The project rewrites its text into the same buffer on every refresh.
  CTextBuffer out;
  root.WriteRecord(out, std::string());
  for (auto _ : state) {
    out.Clear();
    root.WriteRecord(out, std::string());
    benchmark::DoNotOptimize(out.GetData());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// Every refresh resolves each link from the root: one name lookup per
// path component, in a root of thousands of systems.
void BM_ResolveProjectLinks(benchmark::State& state)
{
  std::string text = MakeProjectText(static_cast<int>(state.range(0)));
  CItemGroup root;
  CParseContext context;
  Parse(text, root, context);
  for (auto _ : state)
    root.ResolveLinksOfTree();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

} // namespace

BENCHMARK(BM_ResolveProjectLinks)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadProjectText)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteProjectText)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
