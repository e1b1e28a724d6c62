#pragma once

#include "RoomPlan.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

#include <optional>

class CMessageSink;
class CPlanView;
class QAction;
class QActionGroup;
class QRubberBand;
class QToolBar;

// The plan window's tools that add to the plan: "Tür einsetzen" (a click on
// a wall), "Hindernis zeichnen" (a dragged rectangle), "Zone zeichnen"
// (corners clicked as the outline's are) and "Velmar setzen" (a wall, point
// or corner clicked, by the plan's variant); and the turning handle of a
// selected obstacle. Each edit is offered as a whole new plan; a click that
// hits nothing the tool needs is answered with a message.
class CPlanTools : public QObject {
  Q_OBJECT

public:
  // The tools join the bar and the group of the window's tools; `plan` is
  // the window's plan as last shown; `sensorPlan` gives the plan with the
  // place and variant of the sensor that "Velmar setzen" moves.
  CPlanTools(CPlanView& view, QToolBar& bar, QActionGroup& group, const std::optional<CRoomPlan>& plan,
             std::function<std::optional<CRoomPlan>()> sensorPlan, CMessageSink& messages, QObject* parent);

  QAction& GetDoorTool() { return *m_pDoorTool; }
  QAction& GetObstacleTool() { return *m_pObstacleTool; }
  QAction& GetZoneTool() { return *m_pZoneTool; }
  QAction& GetSensorTool() { return *m_pSensorTool; }

signals:
  // The plan as a tool changed it, unchecked.
  void PlanEdited(const CRoomPlan& plan);
  // The sensor's plan with the place "Velmar setzen" chose, unchecked.
  void SensorPlaced(const CRoomPlan& plan);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QAction* AddTool(QToolBar& bar, QActionGroup& group, const char* text, const char* tip);
  CPlanPoint PlanPointAt(const QPoint& pixel) const;
  // How far from a wall or corner a click still hits it, in metres.
  double Reach() const;
  void Click(const QPoint& pixel);
  void FinishRectangle(const QPoint& pixel);
  void AddZone(const CPlanPolygon& corners);
  // The turning handle of the one selected obstacle; none otherwise.
  void ShowTurnHandle();
  void Turn(size_t obstacle, double angle);

  CPlanView& m_view;
  const std::optional<CRoomPlan>& m_plan;
  std::function<std::optional<CRoomPlan>()> m_sensorPlan;
  CMessageSink& m_messages;
  // The toolbar owns the tools and goes before the view, whose viewport
  // still sends events to the filter while it is torn down.
  QPointer<QAction> m_pDoorTool;
  QPointer<QAction> m_pObstacleTool;
  QPointer<QAction> m_pZoneTool;
  QPointer<QAction> m_pSensorTool;
  QRubberBand* m_pRubberBand = nullptr;
  std::optional<QPoint> m_dragFrom; // pixels
};
