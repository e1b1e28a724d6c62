#include "PlanWindow.h"

#include "DataExchange.h"
#include "HeightField.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "PlanChange.h"
#include "PlanEntries.h"
#include "PlanFields.h"
#include "PlanScene.h"
#include "PlanTools.h"
#include "PlanView.h"
#include "SensorChange.h"
#include "SensorSet.h"
#include "TextEncoding.h"
#include "UnderlayControls.h"

#include <QActionGroup>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

enum Column { kElementColumn, kQuantityColumn, kValueColumn, kColumnCount };

// The undo step of a typed value (Windows-1252).
constexpr const char* kPlanStepName = "Grundriss \xe4ndern";
constexpr double kSnap = 0.05;

double Snap(double value)
{
  return std::round(value / kSnap) * kSnap;
}

size_t IndexOf(const QGraphicsItem& item)
{
  return static_cast<size_t>(item.data(kPlanItemIndex).toULongLong());
}

// One sensor of the legend: a square of its colour, its number and its
// model's name (Windows-1252).
QString LegendEntry(size_t sensor, const std::string& model)
{
  return QString("<span style=\"color:%1\">&#9632;</span>&nbsp;%2&nbsp;%3&nbsp;&nbsp;&nbsp;")
      .arg(PlanSensorColour(sensor).name(), QString::number(sensor),
           QString::fromStdString(Cp1252ToUtf8(model)).toHtmlEscaped());
}

template <class T> void EraseIndices(std::vector<T>& values, std::vector<size_t> indices)
{
  std::sort(indices.rbegin(), indices.rend());
  for (size_t index : indices)
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace

CPlanWindow::CPlanWindow(CKMVDocument& document, CMessageSink& messages, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_messages(messages)
{
  auto* content = new QWidget(this);
  auto* tools = new QToolBar(content);
  auto* toolGroup = new QActionGroup(tools);
  m_pSelectTool = tools->addAction("Auswählen");
  m_pOutlineTool = tools->addAction("Umriss zeichnen");
  for (QAction* tool : {m_pSelectTool, m_pOutlineTool}) {
    tool->setCheckable(true);
    toolGroup->addAction(tool);
  }
  m_pSelectTool->setChecked(true);
  m_pOutlineTool->setStatusTip("Ecken anklicken (Raster 0,05 m, mit Umschalt in Schritten von 15°); ein Klick auf "
                               "die erste Ecke schließt den Umriss.");
  auto* splitter = new QSplitter(content);
  m_pScene = new QGraphicsScene(this);
  m_pView = new CPlanView(m_pScene, splitter);
  m_pTools = new CPlanTools(
      *m_pView, *tools, *toolGroup, m_plan, [this] { return CurrentSensorPlan(); }, m_messages, this);
  connect(m_pTools, &CPlanTools::PlanEdited, this, &CPlanWindow::ChangePlan);
  connect(m_pTools, &CPlanTools::SensorPlaced, this, &CPlanWindow::PlaceCurrentSensor);
  connect(m_pView, &CPlanView::SensorClicked, this, &CPlanWindow::SensorChosen);
  m_pTable = new QTableWidget(0, kColumnCount, splitter);
  m_pTable->setHorizontalHeaderLabels({"Element", "Größe", "Wert"});
  m_pTable->verticalHeader()->hide();
  m_pTable->horizontalHeader()->setStretchLastSection(true);
  m_pTable->setSelectionBehavior(QAbstractItemView::SelectItems);
  splitter->addWidget(m_pView);
  splitter->addWidget(m_pTable);
  // The table's own wish would leave the plan a sliver.
  splitter->setSizes({700, 300});
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tools);
  layout->addWidget(splitter, 1);
  m_pLegend = new QLabel(content);
  m_pLegend->setTextFormat(Qt::RichText);
  m_pLegend->hide();
  layout->addWidget(m_pLegend);
  m_pHeightField = new CHeightField(m_document, m_messages, content);
  layout->addWidget(m_pHeightField);
  setWidget(content);
  m_pUnderlay = new CUnderlayControls(*tools, *toolGroup, *m_pSelectTool, *m_pView, document, messages);
  connect(m_pOutlineTool, &QAction::toggled, m_pView, &CPlanView::SetOutlineTool);
  connect(m_pView, &CPlanView::OutlineDrawn, this, &CPlanWindow::ReplaceOutline);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(900, 560);
  connect(m_pView, &CPlanView::ItemsMoved, this, &CPlanWindow::MoveSelection);
  connect(m_pView, &CPlanView::DeletePressed, this, &CPlanWindow::DeleteSelection);
  // Applied after the table's own signal: the change rebuilds the table.
  connect(m_pTable, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (column != kValueColumn)
      return;
    const QString text = m_pTable->item(row, column)->text();
    QTimer::singleShot(0, this, [this, row, text] { OnValueTyped(row, text); });
  });
}

void CPlanWindow::ShowPlan(const std::vector<CFloorPatches>& floorPatches)
{
  m_plan = FindEditablePlan(m_document.GetProject());
  m_floorPatches = floorPatches;
  const std::vector<CPlanSensor> sensors = ShowSensors();
  if (!m_plan) {
    m_pScene->clear();
    m_pScene->addText("Dieses Projekt hat keinen Grundriss.");
  } else {
    FillPlanScene(*m_pScene, *m_plan, floorPatches, sensors, m_document.GetCurrentSensor());
  }
  m_pUnderlay->Show(*m_pScene, m_plan);
  // An empty plan waits for its outline.
  if (m_plan && m_plan->outline.empty())
    m_pOutlineTool->setChecked(true);
  FillTable();
  m_pHeightField->Refresh();
  m_pView->FitPlan();
}

void CPlanWindow::ShowCurrentSensor()
{
  MarkCurrentSensor(*m_pScene, m_document.GetCurrentSensor());
}

std::vector<CPlanSensor> CPlanWindow::ShowSensors()
{
  CProject& project = m_document.GetProject();
  std::vector<CPlanSensor> sensors;
  QString legend;
  for (size_t number = 2; m_plan && !m_plan->outline.empty() && FindSensorGroup(project, number); ++number) {
    if (sensors.empty()) {
      sensors.push_back({1, SensorPlace(*m_plan)});
      legend = LegendEntry(1, project.GetRoot().m_strName);
    }
    if (std::optional<CRoomPlan> place = SensorPlan(project, number))
      sensors.push_back({number, SensorPlace(*place)});
    legend += LegendEntry(number, FindSensorGroup(project, number)->m_strDescription);
  }
  m_pLegend->setText(legend);
  m_pLegend->setVisible(!legend.isEmpty());
  return sensors;
}

void CPlanWindow::FillTable()
{
  QSignalBlocker blocker(m_pTable);
  const std::vector<CPlanField> fields = m_plan ? PlanFields(*m_plan) : std::vector<CPlanField>();
  m_pTable->setRowCount(static_cast<int>(fields.size()));
  for (size_t i = 0; i < fields.size(); ++i) {
    const int row = static_cast<int>(i);
    const CPlanField& field = fields[i];
    for (auto [column, text] : {std::pair{kElementColumn, field.element}, std::pair{kQuantityColumn, field.quantity},
                                std::pair{kValueColumn, field.value}}) {
      auto* item = new QTableWidgetItem(text);
      if (column != kValueColumn)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      m_pTable->setItem(row, column, item);
    }
  }
  m_pTable->resizeColumnsToContents();
}

void CPlanWindow::OnValueTyped(int row, const QString& text)
{
  if (!m_plan)
    return;
  CRoomPlan plan = *m_plan;
  std::optional<CPlanFault> fault;
  if (!SetPlanField(plan, static_cast<size_t>(row), text))
    fault = CPlanFault{"", kNumberMessage};
  else
    fault = ChangeRoomPlan(m_document, plan, kPlanStepName);
  if (fault) {
    FillTable();
    m_messages.ShowMessage(kApplicationName, fault->message);
  }
}

void CPlanWindow::MoveSelection()
{
  if (!m_plan)
    return;
  CRoomPlan plan = *m_plan;
  for (QGraphicsItem* item : m_pScene->selectedItems()) {
    const CPlanPoint shift{item->pos().x(), -item->pos().y()};
    const QString kind = item->data(kPlanItemKind).toString();
    if (kind == kPlanObstacle) {
      CPlanPoint& centre = plan.obstacles.at(IndexOf(*item)).centre;
      centre = {Snap(centre.x + shift.x), Snap(centre.y + shift.y)};
    } else if (kind == kPlanZone) {
      for (CPlanPoint& corner : plan.zones.at(IndexOf(*item)).corners)
        corner = {corner.x + Snap(shift.x), corner.y + Snap(shift.y)};
    }
  }
  ChangePlan(plan);
}

void CPlanWindow::DeleteSelection()
{
  if (!m_plan)
    return;
  std::vector<size_t> doors, obstacles, zones;
  for (QGraphicsItem* item : m_pScene->selectedItems()) {
    const QString kind = item->data(kPlanItemKind).toString();
    (kind == kPlanDoor ? doors : kind == kPlanObstacle ? obstacles : zones).push_back(IndexOf(*item));
  }
  if (doors.empty() && obstacles.empty() && zones.empty())
    return;
  CRoomPlan plan = *m_plan;
  EraseIndices(plan.doors, doors);
  EraseIndices(plan.obstacles, obstacles);
  EraseIndices(plan.zones, zones);
  ChangePlan(plan);
}

void CPlanWindow::ReplaceOutline(const CPlanPolygon& corners)
{
  if (!m_plan || !m_pOutlineTool->isChecked())
    return;
  CRoomPlan plan = *m_plan;
  plan.outline = corners;
  plan.doors.clear();
  plan.sensorWall = 0;
  plan.sensorOffset.reset();
  plan.sensorAt.reset();
  plan.sensorCorner.reset();
  m_pSelectTool->setChecked(true);
  ChangePlan(plan);
}

void CPlanWindow::ChangePlan(const CRoomPlan& plan)
{
  if (std::optional<CPlanFault> fault = ChangeRoomPlan(m_document, plan, kPlanStepName)) {
    ShowPlan(m_floorPatches);
    m_messages.ShowMessage(kApplicationName, fault->message);
  }
}

std::optional<CRoomPlan> CPlanWindow::CurrentSensorPlan()
{
  const size_t sensor = m_document.GetCurrentSensor();
  return sensor < 2 ? m_plan : SensorPlan(m_document.GetProject(), sensor);
}

void CPlanWindow::PlaceCurrentSensor(const CRoomPlan& plan)
{
  if (std::optional<CPlanFault> fault = MoveSensor(m_document, m_document.GetCurrentSensor(), plan, kPlanStepName)) {
    ShowPlan(m_floorPatches);
    m_messages.ShowMessage(kApplicationName, fault->message);
  }
}
