#include "UnderlayControls.h"

#include "DataExchange.h"
#include "KMVDocument.h"
#include "Messages.h"
#include "PlanChange.h"
#include "PlanScene.h"
#include "PlanUnderlay.h"
#include "TextEncoding.h"

#include <QActionGroup>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QInputDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>

#include <cmath>

namespace {

constexpr int kOpacitySteps = 100;
constexpr double kMarkRadius = 4.0; // pixels

CPlanPoint PlanPoint(const QPointF& scenePoint)
{
  return {scenePoint.x(), -scenePoint.y()};
}

} // namespace

CUnderlayControls::CUnderlayControls(QToolBar& tools, QActionGroup& toolGroup, QAction& selectTool, QGraphicsView& view,
                                     CKMVDocument& document, CMessageSink& messages)
    : QObject(&view), m_view(view), m_document(document), m_messages(messages), m_selectTool(selectTool),
      m_layer(messages)
{
  tools.addSeparator();
  m_pLoad = tools.addAction("Grundriss laden...");
  m_pLoad->setStatusTip("Legt ein Bild (PNG, JPEG) oder eine PDF-Seite unter den Grundriss.");
  m_pMeasure = tools.addAction("Maßstab setzen");
  m_pMeasure->setStatusTip("Zwei Punkte der Unterlage anklicken und ihren Abstand eingeben.");
  m_pMove = tools.addAction("Unterlage verschieben");
  for (QAction* tool : {m_pMeasure, m_pMove}) {
    tool->setCheckable(true);
    toolGroup.addAction(tool);
  }
  tools.addWidget(new QLabel(" Deckkraft ", &tools));
  m_pOpacity = new QSlider(Qt::Horizontal, &tools);
  m_pOpacity->setObjectName("opacity");
  m_pOpacity->setRange(0, kOpacitySteps);
  m_pOpacity->setMaximumWidth(120);
  tools.addWidget(m_pOpacity);
  connect(m_pLoad, &QAction::triggered, this, &CUnderlayControls::ChooseFile);
  connect(&toolGroup, &QActionGroup::triggered, this, &CUnderlayControls::ToolChanged);
  connect(m_pOpacity, &QSlider::valueChanged, this, [this](int value) {
    if (QGraphicsPixmapItem* item = m_layer.GetItem())
      item->setOpacity(value / double(kOpacitySteps));
    if (!m_pOpacity->isSliderDown())
      CommitOpacity();
  });
  connect(m_pOpacity, &QSlider::sliderReleased, this, &CUnderlayControls::CommitOpacity);
  m_view.viewport()->installEventFilter(this);
  Show(*m_view.scene(), std::nullopt);
}

void CUnderlayControls::Show(QGraphicsScene& scene, const std::optional<CRoomPlan>& plan)
{
  m_plan = plan;
  m_pMarks = nullptr;
  m_firstPoint.reset();
  m_dragFrom.reset();
  if (plan)
    m_layer.Show(scene, *plan, m_document.GetPathName());
  const bool shown = plan && m_layer.GetItem();
  m_pLoad->setEnabled(plan.has_value());
  m_pMeasure->setEnabled(shown);
  m_pMove->setEnabled(shown);
  m_pOpacity->setEnabled(shown);
  if (!shown && (m_pMeasure->isChecked() || m_pMove->isChecked())) {
    m_selectTool.setChecked(true);
    ToolChanged();
  }
  QSignalBlocker blocker(m_pOpacity);
  m_pOpacity->setValue(shown ? static_cast<int>(std::lround(plan->underlay->opacity * kOpacitySteps)) : kOpacitySteps);
}

void CUnderlayControls::ChooseFile()
{
  const QString path = QFileDialog::getOpenFileName(m_view.window(), "Grundriss laden", QString(),
                                                    "Grundrisse (*.png *.jpg *.jpeg *.pdf);;Alle Dateien (*)");
  if (!path.isEmpty())
    LoadFile(QFile::encodeName(path).toStdString());
}

void CUnderlayControls::LoadFile(const std::string& file)
{
  if (!m_plan)
    return;
  const QString path = QFile::decodeName(QByteArray::fromStdString(file));
  const std::optional<std::string> stored = StoredUnderlayName(m_document.GetPathName(), file);
  if (!stored) {
    m_messages.ShowMessage(kApplicationName, "Der Name der Datei ist zu lang.");
    return;
  }
  size_t page = 0;
  if (const int pages = PdfPageCount(path); pages > 1) {
    bool chosen = false;
    const int number =
        QInputDialog::getInt(m_view.window(), "Grundriss laden", "Seite der PDF-Datei:", 1, 1, pages, 1, &chosen);
    if (!chosen)
      return;
    page = static_cast<size_t>(number - 1);
  }
  std::optional<CUnderlayPicture> picture = LoadUnderlayPicture(path, page);
  if (!picture) {
    m_messages.ShowMessage(kApplicationName,
                           "Die Datei " + Utf8ToCp1252(path.toStdString()) +
                               " ist weder ein lesbares Bild (PNG, JPEG) noch eine lesbare PDF-Datei.");
    return;
  }
  CRoomPlan plan = *m_plan;
  const double opacity = plan.underlay ? plan.underlay->opacity : 1.0;
  plan.underlay = FittedUnderlay(plan, *stored, page, picture->width, picture->height);
  plan.underlay->opacity = opacity;
  m_layer.Remember(UnderlayFilePath(m_document.GetPathName(), *stored), page, std::move(*picture));
  Change(plan, "Grundriss laden");
}

void CUnderlayControls::ToolChanged()
{
  delete m_pMarks;
  m_pMarks = nullptr;
  m_firstPoint.reset();
  m_dragFrom.reset();
  const bool measuring = m_pMeasure->isChecked();
  if (measuring || m_pMove->isChecked())
    m_view.viewport()->setCursor(measuring ? Qt::CrossCursor : Qt::SizeAllCursor);
  else
    m_view.viewport()->unsetCursor();
}

bool CUnderlayControls::eventFilter(QObject* watched, QEvent* event)
{
  if (!m_pMeasure || !m_pMove)
    return QObject::eventFilter(watched, event);
  const bool measuring = m_pMeasure->isChecked() && m_pMeasure->isEnabled();
  const bool moving = m_pMove->isChecked() && m_pMove->isEnabled();
  if (watched != m_view.viewport() || !(measuring || moving))
    return QObject::eventFilter(watched, event);
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (!mouse || (mouse->button() != Qt::LeftButton && !(mouse->buttons() & Qt::LeftButton)))
    return QObject::eventFilter(watched, event);
  const QPointF scenePoint = m_view.mapToScene(mouse->position().toPoint());
  if (measuring && event->type() == QEvent::MouseButtonPress)
    Measure(scenePoint);
  if (moving && event->type() == QEvent::MouseButtonPress)
    m_dragFrom = scenePoint;
  if (moving && m_dragFrom && event->type() == QEvent::MouseMove)
    m_layer.GetItem()->setPos(ScenePoint(m_plan->underlay->place) + scenePoint - *m_dragFrom);
  if (moving && m_dragFrom && event->type() == QEvent::MouseButtonRelease)
    CommitMove(scenePoint);
  return true;
}

void CUnderlayControls::Measure(const QPointF& scenePoint)
{
  if (!m_firstPoint) {
    m_firstPoint = scenePoint;
    QPen pen(Qt::red, 2.0);
    pen.setCosmetic(true);
    m_pMarks = m_view.scene()->addLine(QLineF(scenePoint, scenePoint), pen);
    AddMarkDot(scenePoint);
    return;
  }
  const CPlanPoint from = PlanPoint(*m_firstPoint);
  const CPlanPoint to = PlanPoint(scenePoint);
  if (m_view.mapFromScene(*m_firstPoint) == m_view.mapFromScene(scenePoint)) {
    ToolChanged();
    m_messages.ShowMessage(kApplicationName, "Klicken Sie bitte zwei verschiedene Punkte an.");
    return;
  }
  m_pMarks->setLine(QLineF(*m_firstPoint, scenePoint));
  AddMarkDot(scenePoint);
  QInputDialog dialog(m_view.window());
  dialog.setWindowTitle("Maßstab setzen");
  dialog.setLabelText("Abstand der beiden Punkte (m):");
  dialog.setOkButtonText("OK");
  dialog.setCancelButtonText("Abbrechen");
  const bool accepted = dialog.exec() == QDialog::Accepted;
  ToolChanged();
  if (!accepted)
    return;
  const std::optional<double> distance = ParseDouble(dialog.textValue());
  std::optional<CPlanUnderlay> scaled;
  if (distance)
    scaled = MeasuredUnderlay(*m_plan->underlay, from, to, *distance);
  if (!scaled) {
    m_messages.ShowMessage(kApplicationName, distance ? "Geben Sie bitte einen Abstand gr\xf6\xdf"
                                                        "er als 0 ein."
                                                      : kNumberMessage);
    return;
  }
  CRoomPlan plan = *m_plan;
  plan.underlay = scaled;
  m_selectTool.setChecked(true);
  ToolChanged();
  Change(plan, "Ma\xdfstab setzen");
}

void CUnderlayControls::AddMarkDot(const QPointF& scenePoint)
{
  const double r = kMarkRadius;
  auto* dot = new QGraphicsEllipseItem(-r, -r, 2 * r, 2 * r, m_pMarks);
  dot->setPen(m_pMarks->pen());
  dot->setFlag(QGraphicsItem::ItemIgnoresTransformations);
  dot->setPos(scenePoint);
}

void CUnderlayControls::CommitOpacity()
{
  if (!m_plan || !m_plan->underlay || !m_layer.GetItem())
    return;
  const double opacity = m_pOpacity->value() / double(kOpacitySteps);
  if (opacity == m_plan->underlay->opacity)
    return;
  CRoomPlan plan = *m_plan;
  plan.underlay->opacity = opacity;
  Change(plan, "Deckkraft \xe4ndern");
}

void CUnderlayControls::CommitMove(const QPointF& sceneTo)
{
  const QPointF shift = sceneTo - *m_dragFrom;
  m_dragFrom.reset();
  if (shift.isNull())
    return;
  CRoomPlan plan = *m_plan;
  plan.underlay->place = {plan.underlay->place.x + shift.x(), plan.underlay->place.y - shift.y()};
  Change(plan, "Unterlage verschieben");
}

void CUnderlayControls::Change(const CRoomPlan& plan, const char* stepName)
{
  if (std::optional<CPlanFault> fault = ChangeRoomPlan(m_document, plan, stepName)) {
    ShowAsPlanned();
    m_messages.ShowMessage(kApplicationName, fault->message);
  }
}

void CUnderlayControls::ShowAsPlanned()
{
  QGraphicsPixmapItem* item = m_layer.GetItem();
  if (!item || !m_plan || !m_plan->underlay)
    return;
  item->setPos(ScenePoint(m_plan->underlay->place));
  item->setOpacity(m_plan->underlay->opacity);
  QSignalBlocker blocker(m_pOpacity);
  m_pOpacity->setValue(static_cast<int>(std::lround(m_plan->underlay->opacity * kOpacitySteps)));
}
