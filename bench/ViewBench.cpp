// The desktop program's speed: a sensor step and a rotate-drag frame painted
// into the 3D view, and the start-up up to the first full picture. The GL
// work runs in llvmpipe threads, so every benchmark measures wall-clock time.

#include "CommandIds.h"
#include "DocumentWindows.h"
#include "KMV3DView.h"
#include "KMVApp.h"
#include "KMVChildFrame.h"
#include "KMVDocument.h"
#include "MainFrame.h"
#include "ModuleCommands.h"
#include "ThreeSensorRoom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr std::array<const char*, 4> kModels = {"*Pilot A1", "*Pilot B1", "*Pilot B2", "*Pilot C1"};
constexpr std::array<QSize, 2> kSizes = {QSize(1920, 1080), QSize(800, 600)};
constexpr int kWaitLimitMs = 60000; // generous: callgrind runs 50 times slower

CKMV3DView* ViewOf(CKMVApp& app)
{
  if (app.GetDocuments().empty() || app.GetDocuments().front()->GetFrames().empty())
    return nullptr;
  return app.GetDocuments().front()->GetFrames().front()->Get3DView();
}

// Runs the event loop until the condition holds or the limit passes.
bool ProcessEventsUntil(const std::function<bool()>& condition)
{
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < kWaitLimitMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  return condition();
}

// One program with one model open, kept across sizes and repetitions: a
// start-up per benchmark run would cost more than the run.
class COpenModel {
public:
  // Null, with the reason in `error`, when the model or its view is missing.
  static COpenModel* Get(const std::string& model, std::string& error)
  {
    if (s_pOpen && s_pOpen->m_model == model)
      return s_pOpen.get();
    s_pOpen.reset();
    auto open = std::make_unique<COpenModel>(model);
    CKMVApp::Options options;
    options.bSplash = false;
    if (!open->m_app.InitInstance({QString::fromStdString(model)}, options) || !ViewOf(open->m_app)) {
      error = "cannot open " + model;
      return nullptr;
    }
    if (!ProcessEventsUntil([&] { return ViewOf(open->m_app)->GetPictureCount() >= 2; })) {
      error = "no full picture of " + model;
      return nullptr;
    }
    s_pOpen = std::move(open);
    return s_pOpen.get();
  }
  static void Close() { s_pOpen.reset(); }

  explicit COpenModel(std::string model) : m_model(std::move(model)) {}
  ~COpenModel()
  {
    // No question about saving on the way out.
    for (const auto& windows : m_app.GetDocuments())
      windows->GetDocument().SetModifiedFlag(false);
  }

  CKMV3DView& View() { return *ViewOf(m_app); }
  CMainFrame& Frame() { return m_app.GetMainFrame(); }
  CKMVDocument& Document() { return m_app.GetDocuments().front()->GetDocument(); }

  // Grows or shrinks the main window until the view has exactly that size,
  // then lets the resized view paint.
  bool SizeView(const QSize& size)
  {
    CMainFrame& frame = Frame();
    frame.setWindowState(Qt::WindowNoState);
    for (int attempt = 0; attempt < 4 && View().size() != size; ++attempt) {
      frame.resize(frame.size() + size - View().size());
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    if (View().size() != size)
      return false;
    View().repaint();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
  }

private:
  static inline std::unique_ptr<COpenModel> s_pOpen;

  std::string m_model;
  CKMVApp m_app;
};

// The model (or project file) open in a view of the size; sets the label.
COpenModel* Prepare(benchmark::State& state, const std::string& model, const std::string& label, const QSize& size)
{
  std::string error;
  COpenModel* open = COpenModel::Get(model, error);
  if (!open) {
    state.SkipWithError(error.c_str());
    return nullptr;
  }
  if (!open->SizeView(size)) {
    state.SkipWithError("the view does not take the size");
    return nullptr;
  }
  state.SetLabel(label + " " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
  return open;
}

COpenModel* Prepare(benchmark::State& state)
{
  std::string model = kModels.at(static_cast<size_t>(state.range(0)));
  return Prepare(state, model, model.substr(1), kSizes.at(static_cast<size_t>(state.range(1))));
}

// The first of up and down that moves the sensor, 0 when neither does.
int FirstMovingStep(COpenModel& open)
{
  for (int id : {ID_HEIGHT_UP, ID_HEIGHT_DOWN}) {
    double before = open.Document().GetSensorValues().height;
    open.Frame().DispatchCommand(id);
    if (open.Document().GetSensorValues().height != before) {
      open.Frame().DispatchCommand(id == ID_HEIGHT_UP ? ID_HEIGHT_DOWN : ID_HEIGHT_UP);
      return id;
    }
  }
  return 0;
}

// One height step (step module, reads, detection, coverage, scene rebuild),
// then the synchronous paint into the widget. Up and down alternate, so the
// sensor never reaches a limit.
void RunSensorSteps(benchmark::State& state, COpenModel* open, bool blindSpots)
{
  if (!open)
    return;
  int step = FirstMovingStep(*open);
  if (step == 0) {
    state.SkipWithError("the sensor height does not step");
    return;
  }
  if (blindSpots)
    open->Frame().DispatchCommand(ID_VIEW_BLIND_SPOTS);
  int back = step == ID_HEIGHT_UP ? ID_HEIGHT_DOWN : ID_HEIGHT_UP;
  CKMV3DView& view = open->View();
  int pictures = view.GetPictureCount();
  bool forth = true;
  for (auto _ : state) {
    open->Frame().DispatchCommand(forth ? step : back);
    view.repaint();
    forth = !forth;
  }
  if (view.GetPictureCount() - pictures != static_cast<int>(state.iterations()))
    state.SkipWithError("not every step painted a picture");
  if (!forth)
    open->Frame().DispatchCommand(back);
  if (blindSpots)
    open->Frame().DispatchCommand(ID_VIEW_BLIND_SPOTS);
  open->Document().SetModifiedFlag(false);
}

void BM_SensorStepWithRepaint(benchmark::State& state)
{
  RunSensorSteps(state, Prepare(state), false);
}

// The step of sensor 1 in a plan room of three sensors (ThreeSensorRoom.h),
// every sensor's patches in the scene.
void BM_SensorStepThreeSensors(benchmark::State& state)
{
  static const std::string room = WriteThreeSensorRoom();
  if (room.empty()) {
    state.SkipWithError("room not made");
    return;
  }
  RunSensorSteps(state, Prepare(state, room, "three sensors", kSizes.at(static_cast<size_t>(state.range(0)))), false);
}

// The same with "Erfassungslücken" checked: the blind spots tessellated into
// the scene at every step.
void BM_SensorStepWithBlindSpots(benchmark::State& state)
{
  RunSensorSteps(state, Prepare(state), true);
}

void SendMouse(QWidget& widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button)
{
  QMouseEvent event(type, at, widget.mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

// One frame of a rotate drag: a mouse move of a few pixels, alternating in
// direction, and the wireframe picture the view paints at once.
void BM_RotateDragFrame(benchmark::State& state)
{
  COpenModel* open = Prepare(state);
  if (!open)
    return;
  open->Frame().DispatchCommand(ID_TOOL_ROTATE);
  CKMV3DView& view = open->View();
  QPoint centre = view.rect().center();
  SendMouse(view, QEvent::MouseButtonPress, centre, Qt::LeftButton);
  int pictures = view.GetPictureCount();
  bool forth = true;
  for (auto _ : state) {
    SendMouse(view, QEvent::MouseMove, centre + QPoint(forth ? 4 : 0, forth ? 2 : 0), Qt::NoButton);
    forth = !forth;
  }
  if (view.GetPictureCount() - pictures != static_cast<int>(state.iterations()))
    state.SkipWithError("not every move painted a picture");
  SendMouse(view, QEvent::MouseButtonRelease, centre, Qt::LeftButton);
}

// From the application object to the first full picture of Pilot B1 in the
// maximised window, start-up picture off; process start and QApplication
// are not part of it. Tearing the program down is not timed either.
void BM_StartUpToFullPicture(benchmark::State& state)
{
  COpenModel::Close();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QSize viewSize;
  for (auto _ : state) {
    auto app = std::make_unique<CKMVApp>();
    CKMVApp::Options options;
    options.bSplash = false;
    if (!app->InitInstance({"*Pilot B1"}, options) || !ViewOf(*app)) {
      state.SkipWithError("cannot open Pilot B1");
      break;
    }
    CKMV3DView* view = ViewOf(*app);
    if (!ProcessEventsUntil([view] { return view->GetPictureCount() >= 2; })) {
      state.SkipWithError("no full picture of Pilot B1");
      break;
    }
    state.PauseTiming();
    viewSize = view->size();
    app->GetDocuments().front()->GetDocument().SetModifiedFlag(false);
    app.reset();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    state.ResumeTiming();
  }
  state.counters["view_width"] = viewSize.width();
  state.counters["view_height"] = viewSize.height();
}

// Medians of 5 timed runs; with KMV_BENCH_ITERATIONS=N one run of exactly N
// iterations instead, so that instruction counts (callgrind) divide evenly.
void Timing(benchmark::internal::Benchmark* benchmark)
{
  benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
  if (int iterations = qEnvironmentVariableIntValue("KMV_BENCH_ITERATIONS"); iterations > 0)
    benchmark->Iterations(iterations)->Repetitions(1);
  else
    benchmark->MinTime(0.3)->Repetitions(5)->ReportAggregatesOnly(true);
}

void ModelsAndSizes(benchmark::internal::Benchmark* benchmark)
{
  benchmark->ArgNames({"model", "size"});
  for (int model = 0; model < static_cast<int>(kModels.size()); ++model)
    for (int size = 0; size < static_cast<int>(kSizes.size()); ++size)
      benchmark->Args({model, size});
  Timing(benchmark);
}

BENCHMARK(BM_SensorStepWithRepaint)->Apply(ModelsAndSizes);
BENCHMARK(BM_SensorStepWithBlindSpots)->Apply(ModelsAndSizes);
BENCHMARK(BM_RotateDragFrame)->Apply(ModelsAndSizes);
BENCHMARK(BM_SensorStepThreeSensors)
    ->ArgName("size")
    ->DenseRange(0, static_cast<int>(kSizes.size()) - 1)
    ->Apply(Timing);
BENCHMARK(BM_StartUpToFullPicture)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  COpenModel::Close();
  return 0;
}
