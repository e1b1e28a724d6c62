#include "GLCamera.h"
#include "ItemArc2.h"
#include "ItemCone.h"
#include "ItemEllipse.h"
#include "ItemEllipsoid.h"
#include "ItemGroup.h"
#include "ItemPolygon.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Takes the picture and drops it.
class CDiscardedPicture : public CImageDestination {
public:
  bool PutImage(const CRenderedImage& image) override
  {
    benchmark::DoNotOptimize(image.rgb.data());
    return true;
  }
};

// 2,000 floor and wall tiles and 200 curved entries: spheres, cones, discs
// and elliptic segments, spread over a 20 m room. With a shape base above 0
// every curved entry has a size of its own, so no two share a tessellation.
void FillScene(CItemGroup& root, double shapeBase = 0.0)
{
  for (int i = 0; i < 2000; ++i) {
    auto tile = std::make_unique<CItemPolygon>();
    double x = (i % 50) * 0.4, y = (i / 50) * 0.5 - 10.0;
    tile->m_vertices = {{x, y, 0}, {x + 0.4, y, 0}, {x + 0.4, y + 0.5, 0}, {x, y + 0.5, 0}};
    tile->m_fillColor = {0.6 + 0.002 * (i % 100), 0.7, 0.7};
    root.AddChild(std::move(tile));
  }
  for (int i = 0; i < 200; ++i) {
    CVector at{(i % 20) * 1.0, (i / 20) * 2.0 - 10.0, 1.0};
    double scale = shapeBase > 0.0 ? shapeBase + 0.001 * i : 1.0;
    std::unique_ptr<CItem3DColor> entry;
    switch (i % 4) {
    case 0: {
      auto ellipsoid = std::make_unique<CItemEllipsoid>();
      ellipsoid->m_radius *= scale;
      entry = std::move(ellipsoid);
      break;
    }
    case 1: {
      auto cone = std::make_unique<CItemCone>();
      cone->m_radius1 *= scale;
      entry = std::move(cone);
      break;
    }
    case 2: {
      auto disc = std::make_unique<CItemEllipse>();
      disc->m_outerRadius *= scale;
      entry = std::move(disc);
      break;
    }
    default: {
      auto segment = std::make_unique<CItemArc2>();
      segment->m_radius *= scale;
      entry = std::move(segment);
      break;
    }
    }
    entry->m_position = at;
    root.AddChild(std::move(entry));
  }
  root.UpdateTransformsOfTree();
}

// BuildScene and one paint at 800 x 600, the normal picture or the
// wireframe form drawn while a mouse tool moves.
void BM_BuildAndPaint(benchmark::State& state)
{
  CItemGroup root;
  FillScene(root);
  CGLCamera camera;
  if (!camera.CreateContext() || !camera.Resize(800, 600)) {
    state.SkipWithError(kNoVideoModeMessage);
    return;
  }
  camera.SetSceneSource([&root] { root.DrawChildren(); });
  camera.SetPreviewFirst(false);
  camera.SetMoving(state.range(0) != 0);
  camera.InitialReset();
  CDiscardedPicture picture;
  for (auto _ : state) {
    camera.Rebuild();
    benchmark::DoNotOptimize(camera.Paint(picture));
  }
  state.SetLabel(state.range(0) ? "wireframe" : "normal");
}

} // namespace

// BuildScene and one paint when every curved entry changed shape since the
// last build (two scenes of distinct shapes in turn): every mesh is
// tessellated anew, nothing is reused.
void BM_BuildChangedAndPaint(benchmark::State& state)
{
  CItemGroup scenes[2];
  FillScene(scenes[0], 1.0);
  FillScene(scenes[1], 1.5);
  CGLCamera camera;
  if (!camera.CreateContext() || !camera.Resize(800, 600)) {
    state.SkipWithError(kNoVideoModeMessage);
    return;
  }
  int shown = 0;
  camera.SetSceneSource([&] { scenes[shown].DrawChildren(); });
  camera.SetPreviewFirst(false);
  camera.InitialReset();
  CDiscardedPicture picture;
  for (auto _ : state) {
    shown = 1 - shown;
    camera.Rebuild();
    benchmark::DoNotOptimize(camera.Paint(picture));
  }
}

BENCHMARK(BM_BuildAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildChangedAndPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
