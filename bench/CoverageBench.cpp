#include "Coverage.h"
#include "KMVDocument.h"
#include "PlacementSearch.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The analysis of one setting: what the status pane and the search repeat
// after every CAD1 run, on the scene a built-in model opens with; with
// shadows it includes the visible parts of every patch.
void BM_AnalyseCoverage(benchmark::State& state, const std::string& model, bool bShadows)
{
  CKMVDocument document;
  document.SetTitle(model);
  if (!document.OnNewDocument()) {
    state.SkipWithError("model not opened");
    return;
  }
  for (auto _ : state) {
    std::optional<CCoverage> coverage = AnalyseCoverage(document.GetProject(), bShadows);
    benchmark::DoNotOptimize(coverage);
  }
}

BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotA1, std::string("*Pilot A1"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotB1, std::string("*Pilot B1"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotB2, std::string("*Pilot B2"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotC1, std::string("*Pilot C1"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotA1Shadows, std::string("*Pilot A1"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotB1Shadows, std::string("*Pilot B1"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotB2Shadows, std::string("*Pilot B2"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalyseCoverage, PilotC1Shadows, std::string("*Pilot C1"), true)->Unit(benchmark::kMicrosecond);

// "kmvtool optimize" with shadows: the whole step lattice on two threads.
void BM_FindBestPlacement(benchmark::State& state, const std::string& model)
{
  CKMVDocument document;
  document.SetTitle(model);
  if (!document.OnNewDocument()) {
    state.SkipWithError("model not opened");
    return;
  }
  CPlacementRequest request;
  request.text = document.GetText().View();
  for (auto _ : state) {
    CPlacementOutcome outcome = FindBestPlacement(request);
    benchmark::DoNotOptimize(outcome);
  }
}

BENCHMARK_CAPTURE(BM_FindBestPlacement, PilotA1, std::string("*Pilot A1"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_FindBestPlacement, PilotB1, std::string("*Pilot B1"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_FindBestPlacement, PilotB2, std::string("*Pilot B2"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_FindBestPlacement, PilotC1, std::string("*Pilot C1"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
