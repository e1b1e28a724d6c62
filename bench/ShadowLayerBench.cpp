#include "Coverage.h"
#include "FaceBatch.h"
#include "KMVDocument.h"
#include "ShadowLayer.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace {

// What drawing the patches as coverage counts them adds to the 3D view:
// tessellating the parts once per detection run, and handing them to the
// face batch in each scene build, on the scene a built-in model opens with.
void BM_ShadowLayer(benchmark::State& state, const std::string& model, bool bTessellate)
{
  CKMVDocument document;
  document.SetTitle(model);
  std::optional<CCoverage> coverage = document.OnNewDocument() ? AnalyseCoverage(document.GetProject()) : std::nullopt;
  if (!coverage) {
    state.SkipWithError("model not opened");
    return;
  }
  CShadowLayer layer(*coverage);
  CFaceBatch batch;
  for (auto _ : state) {
    if (bTessellate) {
      benchmark::DoNotOptimize(CShadowLayer(*coverage));
    } else {
      batch.Clear();
      CFaceBatchScope scope(batch);
      layer.AddToScene(true, nullptr);
    }
  }
}

BENCHMARK_CAPTURE(BM_ShadowLayer, TessellateA1, std::string("*Pilot A1"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShadowLayer, TessellateB1, std::string("*Pilot B1"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShadowLayer, TessellateB2, std::string("*Pilot B2"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShadowLayer, TessellateC1, std::string("*Pilot C1"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShadowLayer, SceneBuildA1, std::string("*Pilot A1"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShadowLayer, SceneBuildB1, std::string("*Pilot B1"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShadowLayer, SceneBuildB2, std::string("*Pilot B2"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShadowLayer, SceneBuildC1, std::string("*Pilot C1"), false)->Unit(benchmark::kMicrosecond);

} // namespace
