#include "KMV3DView.h"

#include "BlindSpotLayer.h"
#include "CommandIds.h"
#include "DetectionLayer.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "PlanEntries.h"
#include "PointDialog.h"
#include "SensorPose.h"
#include "SensorSet.h"
#include "SettingsArchive.h"
#include "ViewOptionsPage.h"
#include "WallCutaway.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// Bit of a view update that leaves the 3D view alone.
constexpr int kHintNot3D = 4;

constexpr int kToolZoomIn = 1;

// One notch of the wheel (120 units), or a key press, scales the distance by this.
constexpr double kZoomPerNotch = 1.15;
constexpr double kWheelNotch = 120.0;
constexpr double kKeyTurn = 15.0;
// Shift and an arrow key pan by this share of the view.
constexpr int kKeyPanDivisor = 10;

// A colour component as its shortest decimal form, so that 0.2f shows as 0.2.
double ShortestDouble(float value)
{
  char text[32];
  auto end = std::to_chars(text, text + sizeof(text) - 1, value).ptr;
  *end = '\0';
  return std::strtod(text, nullptr);
}

int ToolOfCommand(int id)
{
  return id >= ID_TOOL_ZOOM_IN && id <= ID_TOOL_TRACKBALL ? id - ID_TOOL_ZOOM_IN + kToolZoomIn : 0;
}

// Standard view of a command, -1 for other commands.
int StandardViewOfCommand(int id)
{
  switch (id) {
  case ID_VIEW_RESET_ALL:
    return 0;
  case ID_VIEW_RESET_TRACKBALL:
    return 2;
  case ID_VIEW_XY_PLANE:
    return 3;
  case ID_VIEW_XZ_PLANE:
    return 4;
  case ID_VIEW_YZ_PLANE:
    return 5;
  default:
    return -1;
  }
}

constexpr int kRotateTool = 4;
constexpr int kTrackballTool = 5;
// A click this near a marker's projected centre, in pixels, chooses its
// sensor; a press and release further apart than kClickSlack are a drag.
constexpr double kMarkerReach = 10.0;
constexpr int kClickSlack = 3;

// The marker of each sensor with a pose, and the index of the current one's
// (past the last when it has none).
std::pair<std::vector<CSensorMarker>, size_t> SensorMarkersOf(CKMVDocument& document, std::vector<size_t>& numbers)
{
  CProject& project = document.GetProject();
  CSensorSet& sensors = document.GetSensors();
  std::vector<CSensorMarker> markers;
  size_t current = sensors.Count();
  numbers.clear();
  for (size_t sensor = 1; sensor <= sensors.Count(); ++sensor) {
    std::optional<CSensorPose> pose =
        sensor == 1 ? FindSensorPose(project) : FindSensorPose(project.GetRoot(), sensors.Modules(sensor).m_cad1);
    if (!pose)
      continue;
    if (sensor == document.GetCurrentSensor())
      current = markers.size();
    markers.push_back({pose->centre, pose->axis});
    numbers.push_back(sensor);
  }
  return {std::move(markers), current};
}

// The room of the document's plan is what the start view and the whole
// scene frame; without a plan they keep the fixed start view.
void FrameRoom(CGLCamera& camera, CProject& project)
{
  std::optional<CRoomPlan> plan = FindRoomPlan(project);
  std::optional<CFramedBox> box;
  if (plan) {
    const auto [low, high] = PolygonBounds(plan->outline);
    box = CFramedBox{{low.x, low.y, 0.0}, {high.x, high.y, plan->height}};
  }
  camera.SetFramedBox(box);
}

} // namespace

CKMV3DView::CKMV3DView(CViewHost& windows, QWidget* parent) : QWidget(parent), m_windows(windows)
{
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  m_zoomTimer.setInterval(CGLCamera::kZoomTimerInterval);
  connect(&m_zoomTimer, &QTimer::timeout, this, &CKMV3DView::OnZoomTimer);
  CProject& project = m_windows.GetDocument().GetProject();
  m_camera.SetLayeredSceneSource([this, &project](const CGLCamera::CEndBackground& endBackground) {
    m_roomPlan = FindRoomPlan(project);
    m_roomWalls = m_bAllWalls ? std::vector<CWallFoot>() : FindRoomWalls(project);
    m_cutWalls = WallsToCut(m_roomWalls, m_camera.GetEyePosition());
    const CWallCutaway cutaway(project, m_roomWalls, m_cutWalls);
    auto isCut = [this](const CVectorArray& target) { return LiesOnCutWall(m_roomWalls, m_cutWalls, target); };
    // The room first: a sensor step leaves its picture as it is.
    DrawProjectScene(project, m_shadowLayer, m_bHiddenParts, isCut, &m_windows.GetDocument().GetSensors(),
                     [&](std::optional<std::string_view> records) {
                       endBackground(records ? std::optional(BackgroundKey(*records)) : std::nullopt);
                     });
    if (m_bBlindSpots && m_windows.GetCoverage())
      DrawBlindSpots(*m_windows.GetCoverage(), isCut);
    if (m_windows.GetCoverage())
      DrawDetectionLayer(*m_windows.GetCoverage());
    if (m_roomPlan)
      DrawZoneOutlines(*m_roomPlan, m_windows.GetZones());
  });
  // Until the first scene build sizes them to the scene.
  m_camera.SetClipPlanes(0.01, 500.0);
}

CKMV3DView::~CKMV3DView() = default;

bool CKMV3DView::CreateContext()
{
  m_camera.Resize(std::max(width(), 1), std::max(height(), 1));
  m_bContext = m_camera.CreateContext();
  return m_bContext;
}

void CKMV3DView::OnInitialUpdate()
{
  FrameRoom(m_camera, m_windows.GetDocument().GetProject());
  m_camera.InitialReset();
  OnUpdate(0);
}

void CKMV3DView::OnUpdate(int hint)
{
  // Follows every analysis, so that any later scene build draws the patches
  // as the coverage counts them. At a detection height the floors are counted
  // raised: CAD1's entries keep the floor's own patches, and the raised parts
  // are drawn see-through over them.
  // With several sensors each is drawn in its colour, the current one
  // outlined, so a change of the current sensor alone redraws too.
  const std::optional<CCoverage>& coverage = m_windows.GetCoverage();
  const std::optional<std::vector<CSensorPatches>>& sensors = m_windows.GetSensorPatches();
  const bool several = FindSensorGroup(m_windows.GetDocument().GetProject(), 2) != nullptr;
  const size_t current = m_windows.GetDocument().GetCurrentSensor();
  std::optional<CShadowLayer> previous = std::move(m_shadowLayer);
  m_shadowLayer.reset();
  if (coverage && coverage->nUnassigned == 0 && !(coverage->height > 0.0)) {
    if (several && sensors)
      m_shadowLayer.emplace(*sensors, current, previous ? &*previous : nullptr);
    else if (!several)
      m_shadowLayer.emplace(*coverage);
  }
  const bool currentChanged = current != m_nDrawnSensor;
  m_nDrawnSensor = current;
  if ((hint & kHintNot3D) && !currentChanged)
    return;
  m_windows.ShowSensorStatus();
  auto [markers, currentMarker] = SensorMarkersOf(m_windows.GetDocument(), m_markedSensors);
  m_camera.SetSensorMarkers(std::move(markers), currentMarker);
  m_camera.Rebuild();
  update();
}

std::string CKMV3DView::BackgroundKey(std::string_view records) const
{
  // The length first, so that no records and options run into each other.
  std::string key = std::to_string(records.size()) + ':';
  key += records;
  key += m_bAllWalls ? 'A' : 'a';
  key += m_bHiddenParts ? 'H' : 'h';
  key += m_bBlindSpots ? 'B' : 'b';
  for (size_t wall = 0; wall < m_roomWalls.size(); ++wall) {
    const CWallFoot& foot = m_roomWalls[wall];
    const double ends[4] = {foot.a.x, foot.a.y, foot.b.x, foot.b.y};
    key.append(reinterpret_cast<const char*>(ends), sizeof ends);
    key += wall < m_cutWalls.size() && m_cutWalls[wall] ? 'C' : 'c';
  }
  return key;
}

bool CKMV3DView::SerializeSettings(CSettingsArchive& archive)
{
  bool stored = m_storedValue.Exchange(archive);
  return m_camera.SerializeSettings(archive) && stored;
}

void CKMV3DView::RecutWalls()
{
  if (WallsToCut(m_roomWalls, m_camera.GetEyePosition()) != m_cutWalls)
    m_camera.Rebuild();
}

void CKMV3DView::paintEvent(QPaintEvent*)
{
  RecutWalls();
  if (m_bContext) {
    if (m_camera.IsPreviewFirst()) {
      // Only the quick wireframe now; the full picture follows at once, so
      // something shows while it is drawn.
      m_camera.SetPreviewFirst(false);
      bool moving = m_camera.IsMoving();
      m_camera.SetMoving(true);
      m_camera.Paint(m_picture);
      m_camera.SetMoving(moving);
      QTimer::singleShot(0, this, qOverload<>(&QWidget::update));
    } else {
      m_camera.Paint(m_picture);
    }
  }
  QPainter painter(this);
  if (m_picture.GetImage().isNull())
    painter.fillRect(rect(), Qt::white);
  else
    painter.drawImage(0, 0, m_picture.GetImage());
}

void CKMV3DView::resizeEvent(QResizeEvent* event)
{
  m_camera.Resize(width(), height());
  QWidget::resizeEvent(event);
}

void CKMV3DView::mousePressEvent(QMouseEvent* event)
{
  QPoint at = event->position().toPoint();
  bool shift = event->modifiers() & Qt::ShiftModifier;
  bool ctrl = event->modifiers() & Qt::ControlModifier;
  const int tool = m_camera.GetTool();
  m_clickFrom.reset();
  if (event->button() == Qt::LeftButton && (tool == kRotateTool || tool == kTrackballTool))
    m_clickFrom = at;
  if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
    m_camera.OnButtonDown(shift, at.x(), at.y());
  else if (event->button() == Qt::RightButton)
    m_camera.OnRightButtonDown(ctrl, shift, at.x(), at.y());
  SyncZoomTimer();
}

void CKMV3DView::mouseReleaseEvent(QMouseEvent* event)
{
  QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
    m_camera.OnButtonUp(at.x(), at.y());
  else if (event->button() == Qt::RightButton)
    m_camera.OnRightButtonUp();
  else
    return;
  SyncZoomTimer();
  repaint();
  const bool click =
      event->button() == Qt::LeftButton && m_clickFrom && (at - *m_clickFrom).manhattanLength() <= kClickSlack;
  m_clickFrom.reset();
  if (std::optional<size_t> marker = click ? m_camera.MarkerAt(at.x(), at.y(), kMarkerReach) : std::nullopt)
    m_windows.ChooseSensor(m_markedSensors.at(*marker));
}

void CKMV3DView::mouseMoveEvent(QMouseEvent* event)
{
  QPoint at = event->position().toPoint();
  if (m_camera.OnMouseMove(at.x(), at.y()))
    repaint();
}

void CKMV3DView::mouseDoubleClickEvent(QMouseEvent* event)
{
  if (event->button() != Qt::LeftButton)
    return;
  FrameRoom(m_camera, m_windows.GetDocument().GetProject());
  m_camera.RunWithContext([this] { m_camera.ResetView(); });
  m_camera.Resize(width(), height());
  repaint();
}

void CKMV3DView::wheelEvent(QWheelEvent* event)
{
  int delta = event->angleDelta().y();
  if (delta == 0) {
    event->ignore();
    return;
  }
  QPoint at = event->position().toPoint();
  m_camera.ZoomTowards(std::pow(kZoomPerNotch, -delta / kWheelNotch), at.x(), at.y());
  event->accept();
  update();
}

void CKMV3DView::keyPressEvent(QKeyEvent* event)
{
  int dx = 0;
  int dy = 0;
  switch (event->key()) {
  case Qt::Key_Left:
    dx = -1;
    break;
  case Qt::Key_Right:
    dx = 1;
    break;
  case Qt::Key_Up:
    dy = -1;
    break;
  case Qt::Key_Down:
    dy = 1;
    break;
  case Qt::Key_Plus:
  case Qt::Key_Minus:
    m_camera.ZoomTowards(event->key() == Qt::Key_Plus ? 1.0 / kZoomPerNotch : kZoomPerNotch, width() / 2, height() / 2);
    update();
    return;
  case Qt::Key_Home:
    OnCommand(ID_VIEW_WHOLE_SCENE);
    return;
  default:
    QWidget::keyPressEvent(event);
    return;
  }
  // The arrows move the scene as a drag in their direction would.
  if (event->modifiers() & Qt::ShiftModifier)
    m_camera.PanStep(dx * width() / kKeyPanDivisor, dy * height() / kKeyPanDivisor);
  else
    m_camera.Turn(dx * kKeyTurn, dy * kKeyTurn);
  update();
}

void CKMV3DView::SyncZoomTimer()
{
  if (m_camera.GetTimer() == CGLCamera::kZoomTimerId) {
    if (!m_zoomTimer.isActive())
      m_zoomTimer.start();
  } else {
    m_zoomTimer.stop();
  }
}

void CKMV3DView::OnZoomTimer()
{
  if (m_camera.OnTimer(CGLCamera::kZoomTimerId))
    update();
}

void CKMV3DView::SelectTool(int tool)
{
  if (m_camera.GetTool() != tool)
    m_camera.SetTool(tool);
}

void CKMV3DView::ApplyStandardView(int view)
{
  bool applied = false;
  FrameRoom(m_camera, m_windows.GetDocument().GetProject());
  m_camera.RunWithContext([&] { applied = m_camera.SetStandardView(view); });
  if (applied)
    repaint();
}

bool CKMV3DView::OnCommand(int id)
{
  switch (id) {
  case ID_FILE_PRINT:
    OnFilePrint();
    return true;
  case ID_FILE_PRINT_PREVIEW:
    OnFilePrintPreview();
    return true;
  case ID_EDIT_COPY:
    CopyToClipboard();
    return true;
  case ID_FILE_REPORT:
    OnFileReport();
    return true;
  default:
    break;
  }
  if (int tool = ToolOfCommand(id); tool != 0) {
    SelectTool(tool);
    return true;
  }
  if (int view = StandardViewOfCommand(id); view >= 0) {
    ApplyStandardView(view);
    return true;
  }
  if (id == ID_VIEW_WHOLE_SCENE) {
    FrameRoom(m_camera, m_windows.GetDocument().GetProject());
    m_camera.RunWithContext([this] { m_camera.ShowWholeScene(); });
    repaint();
    return true;
  }
  if (id == ID_VIEW_SHOW_SENSOR) {
    std::optional<CSensorPose> pose = FindSensorPose(m_windows.GetDocument().GetProject());
    double height = m_windows.GetDocument().GetSensorValues().height;
    m_camera.RunWithContext([this, &pose, height] {
      if (pose)
        m_camera.ShowSensor(CSensorMarker{pose->centre, pose->axis});
      else
        m_camera.ShowSensor(height);
    });
    repaint();
    return true;
  }
  if (id == ID_VIEW_OPTIONS) {
    EditOptions();
    return true;
  }
  if (id == ID_VIEW_VIEWPOINT) {
    EditViewpoint();
    return true;
  }
  if (id == ID_VIEW_ALL_WALLS) {
    m_bAllWalls = !m_bAllWalls;
    m_camera.Rebuild();
    update();
    return true;
  }
  if (id == ID_VIEW_BLIND_SPOTS) {
    m_bBlindSpots = !m_bBlindSpots;
    m_camera.Rebuild();
    update();
    return true;
  }
  if (id == ID_VIEW_HIDDEN_PARTS) {
    m_bHiddenParts = !m_bHiddenParts;
    m_camera.Rebuild();
    update();
    return true;
  }
  return false;
}

void CKMV3DView::EditOptions()
{
  const std::array<float, 4>& clear = m_camera.GetClearColour();
  CViewOptions options{m_camera.GetTarget(), ShortestDouble(clear[0]), ShortestDouble(clear[1]),
                       ShortestDouble(clear[2])};
  if (!Edit3DViewOptions(options, m_windows.GetMessages(), this))
    return;
  m_camera.SetClearColour(static_cast<float>(options.red), static_cast<float>(options.green),
                          static_cast<float>(options.blue), 1.0f);
  m_camera.SetTarget(options.target);
  m_camera.Rebuild();
  update();
}

void CKMV3DView::EditViewpoint()
{
  CPointDialog dialog("Blickpunkt", m_camera.GetTarget(), m_windows.GetMessages(), this);
  if (!dialog.Edit())
    return;
  m_camera.SetTarget(dialog.GetPoint());
  m_camera.Rebuild();
  update();
}

bool CKMV3DView::OnUpdateCommand(int id, CCmdUI& ui)
{
  if (id == ID_FILE_PRINT || id == ID_FILE_PRINT_PREVIEW || id == ID_EDIT_COPY || id == ID_FILE_REPORT) {
    ui.bEnabled = m_bContext;
    return true;
  }
  if (int tool = ToolOfCommand(id); tool != 0) {
    ui.bChecked = m_camera.GetTool() == tool;
    return true;
  }
  if (id == ID_VIEW_BLIND_SPOTS) {
    ui.bChecked = m_bBlindSpots;
    return true;
  }
  if (id == ID_VIEW_ALL_WALLS) {
    ui.bChecked = m_bAllWalls;
    return true;
  }
  if (id == ID_VIEW_HIDDEN_PARTS) {
    ui.bChecked = m_bHiddenParts;
    return true;
  }
  return StandardViewOfCommand(id) >= 0 || id == ID_VIEW_WHOLE_SCENE || id == ID_VIEW_SHOW_SENSOR ||
         id == ID_VIEW_OPTIONS || id == ID_VIEW_VIEWPOINT;
}
