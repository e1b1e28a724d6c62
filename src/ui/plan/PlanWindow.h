#pragma once

#include "PlanScene.h"
#include "RoomPlan.h"

#include <QMdiSubWindow>

#include <optional>
#include <vector>

class CHeightField;
class CKMVDocument;
class CMessageSink;
class CPlanTools;
class CPlanView;
class CUnderlayControls;
class QGraphicsScene;
class QAction;
class QLabel;
class QTableWidget;

// "Grundriss": the document's plan from above beside a table of its values.
// A value typed in the table changes the plan as one step of the document;
// a plan that would not hold together is refused with the core's message
// and the table shows the plan as it was.
class CPlanWindow : public QMdiSubWindow {
  Q_OBJECT

public:
  CPlanWindow(CKMVDocument& document, CMessageSink& messages, QWidget* parent = nullptr);

  // Draws the document's plan and floor patches (each sensor's in its
  // colour) anew, after every update; with several sensors each is marked
  // with its number and named in the legend.
  void ShowPlan(const std::vector<CFloorPatches>& floorPatches);
  // Marks the document's current sensor, as after a choice in the tree.
  void ShowCurrentSensor();

signals:
  // A sensor's marker was clicked: the shell makes that sensor current.
  void SensorChosen(size_t sensor);

public:
  QGraphicsScene& GetScene() { return *m_pScene; }
  QTableWidget& GetTable() { return *m_pTable; }
  CPlanView& GetView() { return *m_pView; }
  // "Auswählen" and "Umriss zeichnen", the tools of the plan's left button.
  QAction& GetSelectTool() { return *m_pSelectTool; }
  QAction& GetOutlineTool() { return *m_pOutlineTool; }
  CPlanTools& GetTools() { return *m_pTools; }
  CUnderlayControls& GetUnderlay() { return *m_pUnderlay; }

private:
  void FillTable();
  // Every sensor of a room with several, and the legend naming them; none
  // and no legend with one.
  std::vector<CPlanSensor> ShowSensors();
  void OnValueTyped(int row, const QString& text);
  // The selected obstacles and zones where they were dragged, their
  // centres and corners on 0.05 m.
  void MoveSelection();
  void DeleteSelection();
  // The new outline keeps obstacles and zones; the doors go with the old
  // walls and the sensor takes its default places.
  void ReplaceOutline(const CPlanPolygon& corners);
  // One step of the document; a refused plan is drawn again as it was.
  void ChangePlan(const CRoomPlan& plan);
  // The room's plan with the current sensor's place and variant; none when
  // its place no longer fits the plan.
  std::optional<CRoomPlan> CurrentSensorPlan();
  // The current sensor at the plan's place for it, as ChangePlan changes the plan.
  void PlaceCurrentSensor(const CRoomPlan& plan);

  CKMVDocument& m_document;
  CMessageSink& m_messages;
  std::optional<CRoomPlan> m_plan;
  std::vector<CFloorPatches> m_floorPatches;
  QGraphicsScene* m_pScene = nullptr;
  CPlanView* m_pView = nullptr;
  QTableWidget* m_pTable = nullptr;
  QAction* m_pSelectTool = nullptr;
  QAction* m_pOutlineTool = nullptr;
  CPlanTools* m_pTools = nullptr;
  CHeightField* m_pHeightField = nullptr;
  CUnderlayControls* m_pUnderlay = nullptr;
  QLabel* m_pLegend = nullptr;
};
