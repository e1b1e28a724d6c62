// "kmvtool optimize" in a plan room of three sensors: the union measured
// for one setting of the searched sensor, and the search of each sensor's
// settings with the others held (one round of "optimize --all").

#include "KMVDocument.h"
#include "PlacementSearch.h"
#include "ProjectCopy.h"
#include "ThreeSensorRoom.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The project text of the room, made once.
const std::string& RoomText()
{
  static const std::string text = [] {
    CKMVDocument document;
    const std::string path = WriteThreeSensorRoom();
    return !path.empty() && document.OnOpenDocument(path) ? std::string(document.GetText().View()) : std::string();
  }();
  return text;
}

// One candidate of the search: the searched sensor's CAD1 run and the
// union of the floors with the held sensors' coverage.
void BM_UnionOfOneSetting(benchmark::State& state)
{
  if (RoomText().empty()) {
    state.SkipWithError("room not made");
    return;
  }
  CProjectCopy copy(RoomText(), static_cast<size_t>(state.range(0)));
  const CSurfaceChoice floors;
  copy.Watched(floors);
  for (auto _ : state) {
    copy.Detect();
    benchmark::DoNotOptimize(copy.Watched(floors));
  }
}

// Every setting of one sensor's steps, two threads, the others held.
void BM_SearchOneSensor(benchmark::State& state)
{
  if (RoomText().empty()) {
    state.SkipWithError("room not made");
    return;
  }
  CPlacementRequest request;
  request.text = RoomText();
  request.sensor = static_cast<size_t>(state.range(0));
  for (auto _ : state) {
    CPlacementOutcome outcome = FindBestPlacement(request);
    state.counters["settings"] = static_cast<double>(outcome.nSettings);
    benchmark::DoNotOptimize(outcome);
  }
}

BENCHMARK(BM_UnionOfOneSetting)->ArgName("sensor")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchOneSensor)
    ->ArgName("sensor")
    ->DenseRange(1, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace
