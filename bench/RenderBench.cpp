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
// and elliptic segments, spread over a 20 m room.
void FillScene(CItemGroup& root)
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
    std::unique_ptr<CItem3DColor> entry;
    switch (i % 4) {
    case 0:
      entry = std::make_unique<CItemEllipsoid>();
      break;
    case 1:
      entry = std::make_unique<CItemCone>();
      break;
    case 2:
      entry = std::make_unique<CItemEllipse>();
      break;
    default:
      entry = std::make_unique<CItemArc2>();
      break;
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

BENCHMARK(BM_BuildAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
