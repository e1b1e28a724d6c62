#include "ItemGroup.h"
#include "ProjectReader.h"
#include "TextBuffer.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

// A project text of about megabytes MB, mostly systems, numbers and links,
// as a large sensor project would hold them.
std::string MakeProjectText(int megabytes)
{
  const size_t target = static_cast<size_t>(megabytes) << 20;
  std::string text = "begin-sim-data Projekt  _ 1 1 0 ";
  for (int room = 0; text.size() < target; ++room) {
    std::string name = "Raum_" + std::to_string(room);
    text += "\nbegin-system " + name +
            " Projekt Besprechungsraum 1 1 32 1.250000000000000e+000 "
            "-2.500000000000000e+000 3.000000000000000e+000 0.000000000000000e+000 0.000000000000000e+000 "
            "9.000000000000000e+001 ";
    for (int i = 0; i < 20; ++i) {
      std::string index = std::to_string(i);
      text += "\ndouble Wert_" + index + " " + name + " H\xF6he_" + index +
              " 1 1 2.500000000000000e+000 1.500000000000000e+000 4.000000000000000e+000 ";
      text += "\ndoublelink Verkn\xFCpfung_" + index + " " + name +
              " _ 1 1 2.500000000000000e+000 "
              "1.500000000000000e+000 4.000000000000000e+000 Projekt." +
              name + ".@3 ";
      text += "\nenable Schalter_" + index + " " + name + " _ 1 1 1 ";
    }
    text += "\nend-system";
  }
  text += "\nend-sim-data";
  return text;
}

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

} // namespace

BENCHMARK(BM_ReadProjectText)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteProjectText)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
