#include "Coverage.h"
#include "KMVDocument.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The analysis of one setting: what the status pane and the search repeat
// after every CAD1 run, on the scene a built-in model opens with.
void BM_AnalyseCoverage(benchmark::State& state, const std::string& model)
{
  CKMVDocument document;
  document.SetTitle(model);
  if (!document.OnNewDocument()) {
    state.SkipWithError("model not opened");
    return;
  }
  for (auto _ : state) {
    std::optional<CCoverage> coverage = AnalyseCoverage(document.GetProject());
    benchmark::DoNotOptimize(coverage);
  }
}

BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotA1, std::string("*Pilot A1"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotB1, std::string("*Pilot B1"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotB2, std::string("*Pilot B2"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotC1, std::string("*Pilot C1"))->Unit(benchmark::kMicrosecond);

} // namespace
