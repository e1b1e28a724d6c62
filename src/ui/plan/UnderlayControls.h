#pragma once

#include "RoomPlan.h"
#include "UnderlayLayer.h"

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <optional>
#include <string>

class CKMVDocument;
class CMessageSink;
class QAction;
class QActionGroup;
class QGraphicsLineItem;
class QGraphicsScene;
class QGraphicsView;
class QSlider;
class QToolBar;

// The plan window's underlay commands: "Grundriss laden...", the tools
// "Maßstab setzen" (two points clicked, their distance typed) and
// "Unterlage verschieben", and the opacity slider. Each change is one step
// of the document.
class CUnderlayControls : public QObject {
  Q_OBJECT

public:
  // Adds its commands to the toolbar, its tools to the window's tool group;
  // a finished measurement hands the left button back to `selectTool`.
  CUnderlayControls(QToolBar& tools, QActionGroup& toolGroup, QAction& selectTool, QGraphicsView& view,
                    CKMVDocument& document, CMessageSink& messages);

  // After the window's scene was filled for the plan (none: no plan).
  void Show(QGraphicsScene& scene, const std::optional<CRoomPlan>& plan);
  // Puts the file (the file system's bytes) under the plan, asking for the
  // page of a PDF of several.
  void LoadFile(const std::string& file);

  QAction& GetLoadAction() { return *m_pLoad; }
  QAction& GetMeasureTool() { return *m_pMeasure; }
  QAction& GetMoveTool() { return *m_pMove; }
  QSlider& GetOpacitySlider() { return *m_pOpacity; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ChooseFile();
  void ToolChanged();
  void Measure(const QPointF& scenePoint);
  void AddMarkDot(const QPointF& scenePoint);
  void CommitOpacity();
  void CommitMove(const QPointF& sceneTo);
  // One step of the document; a refused change shows the underlay as it was.
  void Change(const CRoomPlan& plan, const char* stepName);
  void ShowAsPlanned();

  QGraphicsView& m_view;
  CKMVDocument& m_document;
  CMessageSink& m_messages;
  QAction& m_selectTool;
  CUnderlayLayer m_layer;
  std::optional<CRoomPlan> m_plan;
  QAction* m_pLoad = nullptr;
  // The toolbar owns the tools and goes before the view, whose viewport
  // still sends events to the filter while it is torn down.
  QPointer<QAction> m_pMeasure;
  QPointer<QAction> m_pMove;
  QSlider* m_pOpacity = nullptr;
  QGraphicsLineItem* m_pMarks = nullptr; // the measurement's points, with dots on them
  std::optional<QPointF> m_firstPoint;
  std::optional<QPointF> m_dragFrom;
};
