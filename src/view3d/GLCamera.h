#pragma once

#include "FaceBatch.h"
#include "GLRenderer.h"
#include "MeshCache.h"
#include "Vector.h"

#include <array>
#include <functional>
#include <utility>

// The renderer with a camera: compiles the scene that its source draws into
// one display list, sizes the projection to the scene, and draws the scene
// as the camera sees it. Angles are degrees, lengths metres.
class CGLCamera : public CGLRenderer {
public:
  CGLCamera();
  ~CGLCamera() override = default;

  // Draws the whole scene with the primitives; compiled by BuildScene.
  void SetSceneSource(std::function<void()> source) { m_sceneSource = std::move(source); }

  // The following need the renderer's context current.
  void BuildScene() override;
  void DrawScene() override;
  void SetProjection() override;
  // Start view: azimuth -45, elevation 25, distance 42, trackball identity,
  // rotation centre (4.3, -0.8, 1.1).
  void ResetView() override;

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

protected:
  static constexpr int kTrackballTool = 5;

  // Rotation of the last trackball move, folded into the trackball matrix at
  // each wireframe draw.
  double m_trackballAngle = 0.0;
  CVector m_trackballAxis{0.0, 0.0, 1.0};
  double m_minDistanceFactor = 0.0005;
  CVector m_panOrigin; // pan at the start of a pan drag

private:
  void LoadViewRotation() const;
  void FoldTrackballIncrement();
  void DrawSceneList(bool wireframe) const;
  // Where the eye is in the scene, from the modelview being drawn with.
  CVector EyeInScene() const;
  // How far from the eye the near clipping plane reaches at its corners.
  double NearPlaneReach() const;
  void DrawAxesAtCentre() const;

  std::function<void()> m_sceneSource;
  unsigned int m_sceneList = 0;
  CFaceBatch m_faces;
  CMeshCache m_meshCache;
  CMeshBatch m_meshes;
  int m_nTool = 4;
  double m_fieldOfView = 40.0;
  double m_near = 0.05;
  double m_far = 500.0;
  double m_distance = 35.0;
  CVector m_pan;
  double m_elevation = 26.0;
  double m_azimuth = 0.0;
  std::array<double, 16> m_trackball;
};
