#pragma once

#include "CmdTarget.h"
#include "FrameSettings.h"
#include "GLCamera.h"
#include "RoomPlan.h"
#include "ShadowLayer.h"
#include "ViewHost.h"
#include "WallCutaway.h"
#include "WidgetImage.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CSettingsArchive;
class QPrinter;

// The 3D view of a project: the camera's off-screen picture painted into
// the widget, the mouse tools, the standard views and the view's commands.
class CKMV3DView : public QWidget, public CCmdTarget {
  Q_OBJECT

public:
  CKMV3DView(CViewHost& windows, QWidget* parent);
  ~CKMV3DView() override;

  // Makes the GL context; FALSE when there is none (the view cannot exist).
  bool CreateContext();
  // First update: the start view unless stored settings were read.
  void OnInitialUpdate();
  // Unless bit 2 of the hint is set: status texts, scene rebuilt, repaint.
  void OnUpdate(int hint);
  // The scroll view's stored value, then the camera.
  bool SerializeSettings(CSettingsArchive& archive);

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CCmdUI& ui) override;

  CGLCamera& GetCamera() { return m_camera; }
  // The last picture painted.
  const QImage& GetPicture() const { return m_picture.GetImage(); }
  // Pictures painted so far; the first paint hands a preview, then the full one.
  int GetPictureCount() const { return m_picture.GetCount(); }

  // The renderer's picture at the view's size, drawn now (with the preview
  // first when the flag is set); null without a context.
  QImage RenderPicture();
  // One page: header and picture. FALSE when nothing could be printed.
  bool PrintTo(QPrinter& printer);
  void OnFilePrint();
  void OnFilePrintPreview();
  // The report (WritePdfReport) of the document at its current setting, its
  // first page from this view's camera as printing draws it. FALSE with the
  // German reason (Windows-1252) in error.
  bool WriteReport(const std::string& path, std::string& error);
  // Asks for the file ("PDF-Dokument (*.pdf)") and writes the report there;
  // a failure is shown as a message.
  void OnFileReport();
  // The picture as image/png and SVG on the clipboard; a beep when it
  // cannot be put there.
  void CopyToClipboard();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void SelectTool(int tool);
  // The "3D-Ansicht" sheet and the viewpoint dialog; the camera changes
  // only on OK.
  void EditOptions();
  void EditViewpoint();
  void ApplyStandardView(int view);
  void SyncZoomTimer();
  void OnZoomTimer();
  // Builds the scene anew when the eye has passed a wall of the room's plan
  // since the last build, so another set of walls is cut away.
  void RecutWalls();
  // The key of the scene's background: the records of the room's entries,
  // the options that change its drawing and the walls cut away.
  std::string BackgroundKey(std::string_view records) const;

  CViewHost& m_windows;
  CGLCamera m_camera;
  CStoredPaneValue m_storedValue{kScrollPaneDefault};
  CWidgetImage m_picture;
  QTimer m_zoomTimer;
  bool m_bContext = false;
  // "Erfassungslücken": this view draws the document's blind spots.
  bool m_bBlindSpots = false;
  // "Alle Wände zeigen": no wall is cut away.
  bool m_bAllWalls = false;
  // "Verdeckte Teile zeigen": the shadowed parts of the surfaces are drawn.
  bool m_bHiddenParts = true;
  // The patches as the document's coverage counts them; none while it has
  // none for every patch, and the patch entries are drawn.
  std::optional<CShadowLayer> m_shadowLayer;
  // The current sensor the layer outlines.
  size_t m_nDrawnSensor = 1;
  // The plan of the last scene build, the walls it might cut and those it cut away.
  std::optional<CRoomPlan> m_roomPlan;
  std::vector<CWallFoot> m_roomWalls;
  std::vector<bool> m_cutWalls;
  // Where the left button went down, while a click on a sensor's marker
  // may still choose that sensor.
  std::optional<QPoint> m_clickFrom;
  // The number of the sensor of each marker the camera draws.
  std::vector<size_t> m_markedSensors;
};
