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
#include "RoomProject.h"
#include "SensorSet.h"

#include <QApplication>
#include <QDir>
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
constexpr int kWaitLimitMs = 20000;

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

COpenModel* Prepare(benchmark::State& state)
{
  std::string model = kModels.at(static_cast<size_t>(state.range(0)));
  QSize size = kSizes.at(static_cast<size_t>(state.range(1)));
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
  state.SetLabel(model.substr(1) + " " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
  return open;
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
void RunSensorSteps(benchmark::State& state, bool blindSpots)
{
  COpenModel* open = Prepare(state);
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
  RunSensorSteps(state, false);
}

// The same with "Erfassungslücken" checked: the blind spots tessellated into
// the scene at every step.
void BM_SensorStepWithBlindSpots(benchmark::State& state)
{
  RunSensorSteps(state, true);
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

// An L-shaped room of Pilot B1 with the room's own sensor and `count` - 1
// more on other walls, saved in the temporary folder; its path.
std::string LShapedRoomFile(int count)
{
  CRoomPlan plan;
  plan.outline = {{0, 0}, {8, 0}, {8, 4}, {4, 4}, {4, 8}, {0, 8}};
  plan.height = 3.0;
  CTextBuffer text;
  if (CompleteRoomPlan(plan) || !MakePlanRoomProject(1, plan, text))
    return {};
  CKMVDocument made;
  made.OnNewDocumentFromText("L", text.View());
  for (size_t wall = 2; wall < static_cast<size_t>(count) + 1; wall += 2) {
    CRoomPlan place = plan;
    place.sensorWall = wall;
    place.sensorOffset.reset();
    std::optional<std::string> more =
        CompleteRoomPlan(place) ? std::nullopt : AddSensorText(made.GetProject(), 1, place);
    if (!more || !made.OnNewDocumentFromText("L", *more))
      return {};
  }
  std::string path = QDir::temp().filePath(QString("bench-l-room-%1.kmv").arg(count)).toStdString();
  return made.SaveAs(path) ? path : std::string();
}

// A height step of sensor 1 with repaint in an L-shaped room of one sensor
// and of three, each sensor's patches drawn in its colour.
void BM_RoomStepWithSensors(benchmark::State& state)
{
  std::string error = "cannot write the room";
  const std::string path = LShapedRoomFile(static_cast<int>(state.range(0)));
  COpenModel* open = path.empty() ? nullptr : COpenModel::Get(path, error);
  if (!open || !open->SizeView(kSizes[1])) {
    state.SkipWithError(error.c_str());
    return;
  }
  const int step = FirstMovingStep(*open);
  if (step == 0) {
    state.SkipWithError("the sensor height does not step");
    return;
  }
  const int back = step == ID_HEIGHT_UP ? ID_HEIGHT_DOWN : ID_HEIGHT_UP;
  CKMV3DView& view = open->View();
  const int pictures = view.GetPictureCount();
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
  open->Document().SetModifiedFlag(false);
}

void ModelsAndSizes(benchmark::internal::Benchmark* benchmark)
{
  benchmark->ArgNames({"model", "size"});
  for (int model = 0; model < static_cast<int>(kModels.size()); ++model)
    for (int size = 0; size < static_cast<int>(kSizes.size()); ++size)
      benchmark->Args({model, size});
  benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.3)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_SensorStepWithRepaint)->Apply(ModelsAndSizes);
BENCHMARK(BM_SensorStepWithBlindSpots)->Apply(ModelsAndSizes);
BENCHMARK(BM_RotateDragFrame)->Apply(ModelsAndSizes);
BENCHMARK(BM_RoomStepWithSensors)
    ->ArgName("sensors")
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(0.3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
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
