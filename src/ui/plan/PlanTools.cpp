#include "PlanTools.h"

#include "Messages.h"
#include "PlanScene.h"
#include "PlanToolEdits.h"
#include "PlanTurnHandle.h"
#include "PlanView.h"

#include <QAction>
#include <QActionGroup>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QRubberBand>
#include <QTimer>
#include <QToolBar>

namespace {

// A click this near a wall or corner, in pixels, hits it.
constexpr double kReachPixels = 10.0;

} // namespace

CPlanTools::CPlanTools(CPlanView& view, QToolBar& bar, QActionGroup& group, const std::optional<CRoomPlan>& plan,
                       std::function<std::optional<CRoomPlan>()> sensorPlan, CMessageSink& messages, QObject* parent)
    : QObject(parent), m_view(view), m_plan(plan), m_sensorPlan(std::move(sensorPlan)), m_messages(messages)
{
  m_pDoorTool = AddTool(bar, group, "Tür einsetzen",
                        "Eine Wand anklicken: eine Tür von 0,9 m Breite und 2 m Höhe, mittig an der Stelle.");
  m_pObstacleTool = AddTool(bar, group, "Hindernis zeichnen",
                            "Ein Rechteck aufziehen (Raster 0,05 m); gedreht wird es am Griff des gewählten "
                            "Hindernisses.");
  m_pZoneTool =
      AddTool(bar, group, "Zone zeichnen", "Ecken anklicken; ein Klick auf die erste Ecke schließt die Zone.");
  m_pSensorTool =
      AddTool(bar, group, "Velmar setzen", "Nach der Montageart eine Wand, einen Punkt oder eine Ecke anklicken.");
  for (QAction* tool : {m_pDoorTool, m_pObstacleTool, m_pSensorTool})
    connect(tool, &QAction::toggled, &view,
            [&view](bool on) { view.setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor); });
  m_pRubberBand = new QRubberBand(QRubberBand::Rectangle, view.viewport());
  view.viewport()->installEventFilter(this);
  // The zone's corners are drawn as the outline's are.
  connect(m_pZoneTool, &QAction::toggled, &view, &CPlanView::SetOutlineTool);
  connect(&view, &CPlanView::OutlineDrawn, this, [this](const CPlanPolygon& corners) {
    if (m_pZoneTool->isChecked())
      AddZone(corners);
  });
  // Queued: the scene emits it also while it deletes its items.
  connect(view.scene(), &QGraphicsScene::selectionChanged, this, &CPlanTools::ShowTurnHandle, Qt::QueuedConnection);
}

QAction* CPlanTools::AddTool(QToolBar& bar, QActionGroup& group, const char* text, const char* tip)
{
  QAction* tool = bar.addAction(text);
  tool->setCheckable(true);
  tool->setStatusTip(tip);
  group.addAction(tool);
  return tool;
}

CPlanPoint CPlanTools::PlanPointAt(const QPoint& pixel) const
{
  const QPointF scene = m_view.mapToScene(pixel);
  return {scene.x(), -scene.y()};
}

double CPlanTools::Reach() const
{
  return kReachPixels / m_view.transform().m11();
}

bool CPlanTools::eventFilter(QObject* watched, QEvent* event)
{
  if (!m_pDoorTool || !m_pObstacleTool || !m_pSensorTool)
    return QObject::eventFilter(watched, event);
  const bool ownTool = m_pDoorTool->isChecked() || m_pObstacleTool->isChecked() || m_pSensorTool->isChecked();
  const QEvent::Type type = event->type();
  if (!ownTool || !m_plan ||
      (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove &&
       type != QEvent::MouseButtonRelease))
    return QObject::eventFilter(watched, event);
  const auto& mouse = static_cast<const QMouseEvent&>(*event);
  const QPoint pixel = mouse.position().toPoint();
  if (type == QEvent::MouseMove) {
    if (m_dragFrom)
      m_pRubberBand->setGeometry(QRect(*m_dragFrom, pixel).normalized());
    return m_dragFrom.has_value();
  }
  if (mouse.button() != Qt::LeftButton)
    return QObject::eventFilter(watched, event);
  if (type == QEvent::MouseButtonRelease) {
    if (m_dragFrom)
      FinishRectangle(pixel);
  } else if (m_pObstacleTool->isChecked()) {
    m_dragFrom = pixel;
    m_pRubberBand->setGeometry(QRect(pixel, QSize()));
    m_pRubberBand->show();
  } else {
    Click(pixel);
  }
  return true;
}

void CPlanTools::Click(const QPoint& pixel)
{
  const CPlanPoint point = PlanPointAt(pixel);
  if (m_pDoorTool->isChecked()) {
    CRoomPlan plan = *m_plan;
    const std::optional<CWallHit> hit = WallAt(plan, point, Reach());
    if (!hit) {
      m_messages.ShowMessage(kApplicationName, "Klicken Sie bitte auf eine Wand.");
      return;
    }
    AddDoor(plan, *hit);
    emit PlanEdited(plan);
    return;
  }
  std::optional<CRoomPlan> plan = m_sensorPlan();
  if (!plan)
    return;
  if (!MoveSensorTo(*plan, point, Reach())) {
    m_messages.ShowMessage(kApplicationName, plan->variant == RoomVariant::Wall ? "Klicken Sie bitte auf eine Wand."
                                                                                : "Klicken Sie bitte auf eine Ecke.");
    return;
  }
  emit SensorPlaced(*plan);
}

void CPlanTools::FinishRectangle(const QPoint& pixel)
{
  m_pRubberBand->hide();
  const QPoint from = *m_dragFrom;
  m_dragFrom.reset();
  CRoomPlan plan = *m_plan;
  if (AddObstacle(plan, PlanPointAt(from), PlanPointAt(pixel)))
    emit PlanEdited(plan);
}

void CPlanTools::AddZone(const CPlanPolygon& corners)
{
  if (!m_plan)
    return;
  CRoomPlan plan = *m_plan;
  ::AddZone(plan, corners);
  emit PlanEdited(plan);
}

void CPlanTools::ShowTurnHandle()
{
  QGraphicsScene& scene = *m_view.scene();
  for (QGraphicsItem* item : scene.items())
    if (item->data(kPlanItemKind).toString() == kPlanTurnHandle)
      delete item;
  const QList<QGraphicsItem*> selected = scene.selectedItems();
  if (!m_plan || selected.size() != 1 || selected.front()->data(kPlanItemKind).toString() != kPlanObstacle)
    return;
  QGraphicsItem& obstacleItem = *selected.front();
  const size_t index = static_cast<size_t>(obstacleItem.data(kPlanItemIndex).toULongLong());
  if (index >= m_plan->obstacles.size())
    return;
  scene.addItem(
      new CPlanTurnHandle(m_plan->obstacles[index], obstacleItem, [this, index](double angle) { Turn(index, angle); }));
}

void CPlanTools::Turn(size_t obstacle, double angle)
{
  // After the handle's own event: the change rebuilds the scene, the handle with it.
  QTimer::singleShot(0, this, [this, obstacle, angle] {
    if (!m_plan || obstacle >= m_plan->obstacles.size())
      return;
    CRoomPlan plan = *m_plan;
    plan.obstacles[obstacle].angle = angle;
    emit PlanEdited(plan);
  });
}
