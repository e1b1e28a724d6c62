#include "GLCamera.h"

#include "GLPrimitives.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <numbers>

namespace {

constexpr std::array<double, 16> kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// An empty or flat scene still gets a usable projection.
constexpr double kEmptySceneMin = 0.0;
constexpr double kEmptySceneMax = 15.0;

// Brings the world's z axis up and its x axis towards the viewer: a world
// point (x, y, z) becomes (y, z, x).
void TurnWorldToView()
{
  glRotated(-90.0, 1.0, 0.0, 0.0);
  glRotated(-90.0, 0.0, 0.0, 1.0);
}

} // namespace

CGLCamera::CGLCamera() : m_trackball(kIdentity) {}

void CGLCamera::SetClipPlanes(double zNear, double zFar)
{
  if (!(zNear > 0.0))
    return;
  m_far = zFar;
  m_near = (zFar * 0.0001 < zNear && zNear < zFar) ? zNear : zFar * 0.0001;
}

void CGLCamera::SetAngles(double elevation, double azimuth)
{
  m_elevation = elevation;
  m_azimuth = azimuth;
}

void CGLCamera::BuildScene()
{
  m_sceneBounds.Reset();
  BuildAxes(3.0);
  if (m_sceneList != 0)
    glDeleteLists(m_sceneList, 1);
  m_sceneList = glGenLists(1);
  m_faces.Clear();
  m_meshes.Clear();
  if (m_sceneList != 0) {
    CSceneBoundsScope collect(m_sceneBounds);
    m_meshCache.BeginScene();
    glNewList(m_sceneList, GL_COMPILE);
    if (m_sceneSource) {
      CFaceBatchScope batch(m_faces);
      CMeshSceneScope meshes(&m_meshCache, &m_meshes);
      m_sceneSource();
    }
    glEndList();
    m_meshCache.DropUnused();
  }
  if (m_sceneBounds.IsEmpty() || m_sceneBounds.min == m_sceneBounds.max) {
    m_sceneBounds.min = kEmptySceneMin;
    m_sceneBounds.max = kEmptySceneMax;
  }
  double extent = m_sceneBounds.max - m_sceneBounds.min;
  m_far = 6.0 * extent;
  m_near = m_far * 0.0005;
  m_minDistanceFactor = 0.0005;
  double lower = 3.0 * extent * 0.0001;
  double upper = 3.0 * extent;
  if (!(m_distance > lower))
    m_distance = lower;
  if (!(m_distance < upper))
    m_distance = upper;
  SetProjection();
}

void CGLCamera::SetProjection()
{
  glViewport(0, 0, GetWidth(), GetHeight());
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // The field of view is vertical whatever the aspect: a tall window narrows
  // the horizontal view.
  gluPerspective(m_fieldOfView, GetAspect(), m_near, m_far);
  glMatrixMode(GL_MODELVIEW);
}

void CGLCamera::ResetView()
{
  m_trackball = kIdentity;
  m_trackballAngle = 0.0;
  m_pan = {0.8, -1.1, -4.3};
  m_panOrigin = m_pan;
  m_distance = 42.0;
  m_azimuth = -45.0;
  m_elevation = 25.0;
  SetProjection();
}

void CGLCamera::DrawScene()
{
  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_NORMALIZE);
  glDepthFunc(GL_LESS);

  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glTranslated(0.0, 0.0, -m_distance);

  // A directional light fixed to the eye.
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  const GLfloat lightPosition[4] = {-1.0f, 3.0f, 5.0f, 0.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glEnable(GL_COLOR_MATERIAL);
  glPopMatrix();

  if (IsMoving()) {
    if (m_nTool == kTrackballTool)
      FoldTrackballIncrement();
    DrawSceneList(true);
    DrawAxesAtCentre();
  } else {
    DrawSceneList(false);
  }

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

void CGLCamera::LoadViewRotation() const
{
  glLoadMatrixd(m_trackball.data());
  glRotated(m_elevation, 1.0, 0.0, 0.0);
  glRotated(m_azimuth, 0.0, 1.0, 0.0);
}

void CGLCamera::FoldTrackballIncrement()
{
  glPushMatrix();
  glLoadIdentity();
  glRotated(m_trackballAngle, m_trackballAxis.x, m_trackballAxis.y, m_trackballAxis.z);
  glMultMatrixd(m_trackball.data());
  glGetDoublev(GL_MODELVIEW_MATRIX, m_trackball.data());
  glPopMatrix();
}

CVector CGLCamera::EyeInScene() const
{
  // The projection moves the scene back by the distance, so the eye sits at
  // (0, 0, distance) in the modelview's frame.
  CMatrix view;
  std::array<double, 16> elements;
  glGetDoublev(GL_MODELVIEW_MATRIX, elements.data());
  for (int i = 0; i < 16; ++i)
    view[i] = elements[i];
  CMatrix toScene;
  if (!Invert(view, toScene))
    return {std::nan(""), std::nan(""), std::nan("")};
  return TransformPoint(toScene, {0.0, 0.0, m_distance});
}

double CGLCamera::NearPlaneReach() const
{
  double halfHeight = std::tan(m_fieldOfView / 2.0 * std::numbers::pi / 180.0);
  double halfWidth = halfHeight * GetAspect();
  return 2.0 * m_near * std::sqrt(1.0 + halfHeight * halfHeight + halfWidth * halfWidth);
}

void CGLCamera::DrawSceneList(bool wireframe) const
{
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  glPushMatrix();
  LoadViewRotation();
  glTranslated(m_pan.x, m_pan.y, m_pan.z);
  TurnWorldToView();
  // A default only: entries that set their own polygon mode keep it.
  glPolygonMode(GL_FRONT_AND_BACK, wireframe ? GL_LINE : GL_FILL);
  glColor3d(1.0, 1.0, 1.0);
  SetDepthLayer(DepthLayer::Default);
  glCallList(m_sceneList);
  m_faces.Draw();
  // The coarse meshes keep the picture quick while a tool moves.
  m_meshes.Draw(wireframe ? MeshDetail::Coarse : MeshDetail::Full, EyeInScene(), NearPlaneReach());
  glPopMatrix();
  glDisable(GL_LIGHT0);
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
}

// Unlit and without depth test, at the rotation centre and a tenth of the
// distance in size, so the axes show the orientation while dragging.
void CGLCamera::DrawAxesAtCentre() const
{
  glPushMatrix();
  LoadViewRotation();
  TurnWorldToView();
  double scale = 0.1 * m_distance;
  glScaled(scale, scale, scale);
  DrawAxes();
  glPopMatrix();
}
