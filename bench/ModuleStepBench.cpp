#include "Project.h"
#include "TextBuffer.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRooms = 100;
constexpr int kRunIndexMH2 = 6;

// 10,000 entries: 100 rooms, each a group holding a system with 98 leaves
// (numbers, switches, words, choices and links into the system), and the
// sensor height link that "MH2" steps.
std::string MakeSensorProject()
{
  std::string text = "begin-sim-data Projekt  _ 1 1 0 ";
  for (int room = 0; room < kRooms; ++room) {
    std::string group = "Raum" + std::to_string(room);
    text += "\nbegin-group " + group + " Projekt Besprechungsraum 1 1 32 ";
    text += "\nbegin-system S " + group + " Montage 1 1 0 1.0 2.0 2.5 0.0 15.0 90.0 ";
    for (int i = 0; i < 14; ++i) {
      std::string index = std::to_string(i);
      std::string target = "Projekt." + group + ".S.@" + std::to_string(1 + i % 6);
      text += "\ndouble Zahl" + index + " S H\xF6he 1 1 2.5 1.5 4.0 ";
      text += "\ndouble Wert" + index + " S _ 1 1 -0.125 -1000.0 1000.0 ";
      text += "\nenable Schalter" + index + " S Schalter_Eingang 1 1 1 ";
      text += "\nword Stufe" + index + " S _ 1 1 3 0 5 ";
      text += "\nchoice Variante" + index + " S Montageart 1 1 1 0 2 Wand Decke Ecke ";
      text += "\ndoublelink Verkn\xFCpfung" + index + " S _ 1 1 2.5 -1000.0 1000.0 " + target + " ";
      text += "\nenablelink Sicht" + index + " S _ 1 1 1 Projekt." + group + ".S.@7 ";
    }
    text += "\nend-system\nend-group";
  }
  text += "\ndoublelink Hoehe Projekt _ 1 1 2.5 -1e300 1e300 Projekt.Raum0.S.@3 "
          "\nend-sim-data\nbegin-sim-module\nMH1 Projekt.Hoehe \nMH2 Projekt.Hoehe 1e-6 \nend-sim-module\n";
  return text;
}

void BM_AdjustmentStep(benchmark::State& state)
{
  CTextBuffer text;
  text.Assign(MakeSensorProject());
  CProject project;
  if (!project.Load(text).IsOk() || project.RunModule(kRunIndexMH2).status != kModuleDone) {
    state.SkipWithError("project text not loaded or the step failed");
    return;
  }
  for (auto _ : state) {
    ModuleResult result = project.RunModule(kRunIndexMH2);
    benchmark::DoNotOptimize(result);
  }
  state.counters["text_bytes"] = text.GetLength();
}

BENCHMARK(BM_AdjustmentStep)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
