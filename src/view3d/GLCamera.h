#pragma once

#include "BackgroundCache.h"
#include "FaceBatch.h"
#include "GLRenderer.h"
#include "MeshCache.h"
#include "SensorMarker.h"
#include "Vector.h"
#include "ViewFraming.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CSettingsArchive;

// The renderer with a camera: compiles the scene that its source draws into
// one display list, sizes the projection to the scene, draws the scene as the
// camera sees it, and moves the camera with the mouse tools. Angles are
// degrees, lengths metres, mouse positions window pixels.
class CGLCamera : public CGLRenderer {
public:
  // The view runs a timer with this id while a zoom tool is held.
  static constexpr int kZoomTimerId = 1111;
  static constexpr int kZoomTimerInterval = 10; // ms

  CGLCamera();
  ~CGLCamera() override = default;

  // Ends the background of the scene being built: what the source drew
  // before. The key is a text that is the same exactly when the background
  // draws the same; the picture of the background alone is then kept and
  // restored while the camera stays, and only the rest is drawn anew.
  // Without a key the picture is drawn whole.
  using CEndBackground = std::function<void(std::optional<std::string> key)>;
  // Draws the whole scene with the primitives; compiled by BuildScene.
  void SetSceneSource(std::function<void()> source);
  // The same in two parts, the background first; a source that does not
  // end the background draws the whole scene every time.
  void SetLayeredSceneSource(std::function<void(const CEndBackground&)> source) { m_sceneSource = std::move(source); }
  // Pictures so far whose background was restored; the next one is drawn
  // whole after DropBackground.
  int GetBackgroundRestores() const { return m_nBackgroundRestores; }
  void DropBackground() { m_backgroundCache.Drop(); }
  // The sensors' markers, drawn over the scene in every picture, the one at
  // `current` in the marker colour and over the others; none shows no marker.
  void SetSensorMarkers(std::vector<CSensorMarker> markers, size_t current)
  {
    m_sensorMarkers = std::move(markers);
    m_nCurrentMarker = current;
  }
  // The index of the marker whose projected centre lies nearest to window
  // pixel (x, y from the top left), within `reach` pixels; none otherwise.
  std::optional<size_t> MarkerAt(int x, int y, double reach) const;

  // The following need the renderer's context current.
  void BuildScene() override;
  void DrawScene() override;
  void SetProjection() override;
  // Standard view 0, then the projection.
  void ResetView() override;
  bool RestoreBackground() override;

  // 0 reset all, 1 azimuth 0, 2 reset trackball, 3 XY plane, 4 XZ plane,
  // 5 YZ plane, 6 close up on the rotation centre, 7 whole scene distance.
  // False, with nothing changed, for any other number.
  bool SetStandardView(int n);
  // Target (0, 0, 0), then standard view 7.
  void ShowWholeScene();
  // With a box (the room of a plan), standard views 0 and 7 keep the start
  // view's direction but aim at the box's centre from the distance that fits
  // it in the view, and ShowWholeScene aims there too.
  void SetFramedBox(const std::optional<CFramedBox>& box) { m_framedBox = box; }
  // Target (0, 0, mounting height), then standard view 6.
  void ShowSensor(double mountingHeight);
  // Looks from the room's side at the sensor and the first metres along its
  // axis, from a distance that does not grow with the scene.
  void ShowSensor(const CSensorMarker& sensor);

  // Left or middle button; Shift zooms in large steps.
  void OnButtonDown(bool shift, int x, int y);
  void OnButtonUp(int x, int y);
  // True when the view must repaint.
  bool OnMouseMove(int x, int y);
  // Zooms with the zoom tools whatever tool the left button has; Ctrl takes
  // large steps, Shift reverses the direction.
  void OnRightButtonDown(bool ctrl, bool shift, int x, int y);
  void OnRightButtonUp();
  // The mouse wheel: the distance times factor, within the zoom limits, and
  // the target moved along the line to the point that pixel (x, y) shows on
  // the plane through the target facing the eye, so that this point stays
  // under the pointer.
  void ZoomTowards(double factor, int x, int y);
  // The keys: the view turned as a rotate drag turns it, or panned as a pan
  // drag pans it, by that many pixels.
  void Turn(double azimuth, double elevation);
  void PanStep(int dx, int dy);
  // True for the zoom timer, which the view then repaints.
  bool OnTimer(int id);
  // kZoomTimerId while the zoom timer must run, else 0.
  int GetTimer() const { return m_nTimer; }

  // The camera's part of the view's settings record; false, with the camera
  // as it was, when the archive fails or holds numbers that are not finite.
  bool SerializeSettings(CSettingsArchive& archive);
  int GetSettingsVersion() const { return m_nSettingsVersion; }

  // Only for a positive near distance: far is taken, near as well when it
  // lies between far * 0.0001 and far, else near becomes far * 0.0001.
  void SetClipPlanes(double zNear, double zFar);
  double GetNear() const { return m_near; }
  double GetFar() const { return m_far; }
  double GetFieldOfView() const { return m_fieldOfView; }

  double GetDistance() const { return m_distance; }
  void SetDistance(double distance) { m_distance = distance; }
  const CVector& GetPan() const { return m_pan; }
  void SetPan(const CVector& pan) { m_pan = pan; }
  // The rotation centre in world coordinates; setting it also starts the
  // next pan drag from there.
  CVector GetTarget() const;
  void SetTarget(const CVector& target);
  double GetElevation() const { return m_elevation; }
  double GetAzimuth() const { return m_azimuth; }
  void SetAngles(double elevation, double azimuth);
  // 1 zoom in, 2 zoom out, 3 pan, 4 rotate, 5 trackball.
  int GetTool() const { return m_nTool; }
  void SetTool(int tool) { m_nTool = tool; }
  // Meshes the last scene build kept tessellated.
  size_t MeshCount() const { return m_meshCache.Size(); }
  // 16 elements in OpenGL order.
  const std::array<double, 16>& GetTrackball() const { return m_trackball; }
  // World to eye coordinates as the scene is drawn; the projection then
  // moves the scene back by the distance.
  CMatrix GetModelView() const { return ViewMatrix(m_pan); }
  // The eye in world coordinates.
  CVector GetEyePosition() const;

private:
  static constexpr int kZoomInTool = 1;
  static constexpr int kZoomOutTool = 2;
  static constexpr int kPanTool = 3;
  static constexpr int kRotateTool = 4;
  static constexpr int kTrackballTool = 5;
  static constexpr int kSettingsVersion = 302;

  bool IsZoomTool() const { return m_nTool == kZoomInTool || m_nTool == kZoomOutTool; }
  // The distance brought within the zoom tools' limits.
  double ClampDistance(double distance) const;
  // Largest minus smallest scene coordinate, the empty-scene extent before
  // the first build.
  double SceneExtent() const;
  CMatrix ViewMatrix(const CVector& pan) const;
  void FoldTrackballIncrement();
  void ResetTrackball();
  void StartZoom(double step);
  void StopZoom();
  void PanBy(int x, int y);
  void RotateBy(int x, int y);
  void TrackballTo(int x, int y);
  CVector SpherePoint(int x, int y) const;
  // The fields of the settings record, taken from the camera and put back
  // only when the whole record was read and is sound.
  struct CSettingsFields;
  CSettingsFields CurrentSettings() const;
  void ApplySettings(const CSettingsFields& fields);
  bool ReadSettings(CSettingsArchive& archive);
  bool WriteSettings(CSettingsArchive& archive) const;

  // A display list with the faces and meshes handed to their batches while
  // it was compiled, drawn in that order.
  struct CScenePart {
    unsigned int list = 0;
    CFaceBatch faces;
    CMeshBatch meshes;
  };
  void CompileParts();
  void DrawSceneList(bool wireframe);
  void DrawPart(const CScenePart& part, bool wireframe, const CVector& eye) const;
  // The camera's side of the background's key.
  std::vector<double> BackgroundView() const;
  // How far from the eye the near clipping plane reaches at its corners.
  double NearPlaneReach() const;
  void DrawAxesAtCentre() const;

  // Puts the framed box in view, or the fixed start view without one.
  void FrameScene();

  std::function<void(const CEndBackground&)> m_sceneSource;
  std::vector<CSensorMarker> m_sensorMarkers;
  size_t m_nCurrentMarker = 0;
  std::optional<CFramedBox> m_framedBox;
  CScenePart m_background;
  CScenePart m_foreground;
  CMeshCache m_meshCache;
  // The background's key from the last build; none when it has none.
  std::optional<std::string> m_backgroundText;
  CBackgroundCache m_backgroundCache;
  // This picture's background: restored, or to be kept once drawn.
  bool m_bBackgroundRestored = false;
  std::optional<CBackgroundKey> m_backgroundToKeep;
  // The last background drawn whole and not kept.
  CBackgroundKey m_seenBackground;
  int m_nBackgroundRestores = 0;
  int m_nTool = kRotateTool;
  double m_fieldOfView = 40.0;
  double m_near = 0.05;
  double m_far = 500.0;
  double m_distance = 35.0;
  CVector m_pan;
  CVector m_panOrigin; // pan at the start of a pan drag
  double m_elevation = 26.0;
  double m_azimuth = 0.0;
  std::array<double, 16> m_trackball;
  CVector m_trackballPoint{0.0, 0.0, 1.0};
  // Rotation of the last trackball move, folded into the matrix once.
  double m_trackballAngle = 0.0;
  CVector m_trackballAxis{0.0, 0.0, 1.0};
  double m_zoomStep = 0.01;
  double m_minDistanceFactor = 0.0005;
  int m_nLastX = 0;
  int m_nLastY = 0;
  int m_nTimer = 0;
  int m_nSettingsVersion = kSettingsVersion;
};
