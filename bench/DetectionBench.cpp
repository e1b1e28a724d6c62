#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "ModelResources.h"
#include "ModuleCAD1.h"
#include "Project.h"
#include "ProjectReader.h"
#include "TextBuffer.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

std::string Vec(double x, double y, double z)
{
  return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + " ";
}

std::string Polygon(const std::string& name, const std::string& parent, const CVectorArray& vertices)
{
  std::string record = "\npolygon " + name + " " + parent + " _ 1 1 " + Vec(0, 0, 0) + Vec(0, 0, 0) +
                       Vec(0.8, 0.8, 0.8) + Vec(0, 0, 0) + "1 1 0 " + std::to_string(vertices.size()) + " ";
  for (const CVector& v : vertices)
    record += Vec(v.x, v.y, v.z);
  return record;
}

// A sensor 2.5 m above a floor of tiles: 100 facets fanned out below the
// horizon in ten rows, 1,000 floor tiles of 1 m x 0.5 m.
std::string MakeScene(int facets, int surfaces)
{
  std::string text = "begin-sim-data P  _ 1 1 0 \nbegin-group Floor P _ 1 1 0 ";
  int columns = 40;
  for (int i = 0; i < surfaces; ++i) {
    double x = i % columns * 1.0, y = (i / columns) * 0.5 - 6.0;
    text += Polygon("T" + std::to_string(i), "Floor", {{x, y, 0}, {x + 1, y, 0}, {x + 1, y + 0.5, 0}, {x, y + 0.5, 0}});
  }
  text += "\nend-group\nbegin-group Unused P _ 1 1 0 \nend-group\n"
          "choice Var P _ 1 1 0 0 2 a b c \ndoublelink Ceil P _ 1 1 3 0 5 P.Plate.@3 " +
          Polygon("Plate", "P", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}) +
          "\nbegin-system Mount P _ 1 1 0 0 0 0 0 0 0 \nbegin-system Attitude Mount _ 1 1 0 0 0 2.45 0 0 0 "
          "\npoint Element Attitude _ 1 1 0 0 0 0 0 0 1 0 0 0 0 0 1 1 0.01 2 "
          "\nbegin-system Lens Attitude _ 1 1 0 0 0 0 0 0 0 ";
  for (int i = 0; i < facets; ++i) {
    double azimuth = (i % 10 - 4.5) * 0.12, depression = 0.12 + (i / 10) * 0.07, r = 0.02, h = 0.02 * 0.03;
    CVector d{std::cos(depression) * std::cos(azimuth), std::cos(depression) * std::sin(azimuth),
              -std::sin(depression)};
    CVector u{-std::sin(azimuth), std::cos(azimuth), 0};
    CVector v = Cross(d, u);
    CVector c = d * r;
    text += Polygon("F" + std::to_string(i), "Lens",
                    {c - u * h - v * h, c - u * h + v * h, c + u * h + v * h, c + u * h - v * h});
  }
  text += "\nend-system\nend-system\nend-system\nbegin-system Bracket P _ 1 1 0 0 0 0 0 0 0 \nend-system"
          "\nbegin-group Results P _ 1 1 0 \nend-group\nenable Rays P _ 1 1 0 \nend-sim-data";
  return text;
}

void BM_DetectionOnGeneratedScene(benchmark::State& state)
{
  CItemGroup root;
  CParseContext context;
  Parse(MakeScene(100, 1000), root, context);
  root.UpdateTransformsOfTree();
  CModuleCAD1 cad1;
  cad1.m_paths = {"P.Floor",
                  "P.Unused",
                  "P.Unused",
                  "P.Var",
                  "P.Ceil",
                  "P.Plate",
                  "P.Mount",
                  "P.Mount.Attitude",
                  "P.Mount",
                  "P.Mount.Attitude.Element",
                  "P.Mount.Attitude.Lens",
                  "P.Mount.Attitude.Lens",
                  "P.Mount.Attitude.Lens",
                  "P.Results",
                  "",
                  "P.Unused",
                  "P.Unused",
                  "P.Rays"};
  // Two of the three lens systems are switched off by paths that lead to
  // groups: only the first one counts, with its 100 facets.
  cad1.m_paths[15] = "P.Nothing";
  for (auto _ : state) {
    ModuleResult result = cad1.Run(root);
    benchmark::DoNotOptimize(result);
  }
  const CItemGroup* results = root.FindByPath("P.Results")->AsGroup();
  state.counters["patches"] = static_cast<double>(results->Children().size());
}

// One height step as the document performs it: the step, the three reads and
// the detection, each followed by the project's recomputation.
void BM_SensorStepOnBuiltInModel(benchmark::State& state)
{
  static constexpr int kCodes[] = {10, 1, 4, 7};
  static constexpr const char* kNames[] = {"Pilot A1", "Pilot B1", "Pilot B2", "Pilot C1"};
  CTextBuffer text;
  CProject project;
  if (!LoadModelResource(kCodes[state.range(0)], text) || !project.Load(text).IsOk()) {
    state.SkipWithError("model not loaded");
    return;
  }
  // Up and down in turn, so that the height stays within its limits.
  int step = 6;
  for (auto _ : state) {
    project.RunModule(step);
    for (int read : {3, 4, 5})
      benchmark::DoNotOptimize(project.RunModule(read));
    benchmark::DoNotOptimize(project.RunModule(2));
    step = step == 6 ? 7 : 6;
  }
  state.SetLabel(kNames[state.range(0)]);
}

} // namespace

BENCHMARK(BM_DetectionOnGeneratedScene)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SensorStepOnBuiltInModel)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
