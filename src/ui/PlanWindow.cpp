#include "PlanWindow.h"

#include "DataExchange.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "PlanChange.h"
#include "PlanEntries.h"
#include "PlanFields.h"
#include "PlanScene.h"
#include "PlanView.h"

#include <QGraphicsScene>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>

namespace {

enum Column { kElementColumn, kQuantityColumn, kValueColumn, kColumnCount };

// The undo step of a typed value (Windows-1252).
constexpr const char* kPlanStepName = "Grundriss \xe4ndern";

} // namespace

CPlanWindow::CPlanWindow(CKMVDocument& document, CMessageSink& messages, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_messages(messages)
{
  auto* splitter = new QSplitter(this);
  m_pScene = new QGraphicsScene(this);
  m_pView = new CPlanView(m_pScene, splitter);
  m_pTable = new QTableWidget(0, kColumnCount, splitter);
  m_pTable->setHorizontalHeaderLabels({"Element", "Größe", "Wert"});
  m_pTable->verticalHeader()->hide();
  m_pTable->horizontalHeader()->setStretchLastSection(true);
  m_pTable->setSelectionBehavior(QAbstractItemView::SelectItems);
  splitter->addWidget(m_pView);
  splitter->addWidget(m_pTable);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);
  setWidget(splitter);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(900, 560);
  // Applied after the table's own signal: the change rebuilds the table.
  connect(m_pTable, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (column != kValueColumn)
      return;
    const QString text = m_pTable->item(row, column)->text();
    QTimer::singleShot(0, this, [this, row, text] { OnValueTyped(row, text); });
  });
}

void CPlanWindow::ShowPlan(const std::vector<CPlanPolygon>& floorPatches)
{
  m_plan = FindRoomPlan(m_document.GetProject());
  if (!m_plan) {
    m_pScene->clear();
    m_pScene->addText("Dieses Projekt hat keinen Grundriss.");
  } else {
    FillPlanScene(*m_pScene, *m_plan, floorPatches);
  }
  FillTable();
  if (!m_bFitted && isVisible()) {
    m_pView->FitPlan();
    m_bFitted = true;
  }
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
