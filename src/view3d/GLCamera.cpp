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

CMatrix ToMatrix(const std::array<double, 16>& elements)
{
  CMatrix m;
  for (int i = 0; i < 16; ++i)
    m[i] = elements[static_cast<size_t>(i)];
  return m;
}

// Row vectors: a point goes through first, then second.
CMatrix Product(const CMatrix& first, const CMatrix& second)
{
  CMatrix product;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k)
        sum += first[i * 4 + k] * second[k * 4 + j];
      product[i * 4 + j] = sum;
    }
  return product;
}

// The rotation by angle (radians) about a unit axis, as glRotated makes it.
CMatrix AxisRotation(double angle, const CVector& a)
{
  double c = std::cos(angle);
  double s = std::sin(angle);
  double t = 1.0 - c;
  CMatrix r;
  r[0] = t * a.x * a.x + c;
  r[1] = t * a.x * a.y + s * a.z;
  r[2] = t * a.x * a.z - s * a.y;
  r[4] = t * a.y * a.x - s * a.z;
  r[5] = t * a.y * a.y + c;
  r[6] = t * a.y * a.z + s * a.x;
  r[8] = t * a.z * a.x + s * a.y;
  r[9] = t * a.z * a.y - s * a.x;
  r[10] = t * a.z * a.z + c;
  return r;
}

// Compiles a part of the scene while it lives.
class CPartCompilation {
public:
  CPartCompilation(unsigned int list, CFaceBatch& faces, CMeshCache& cache, CMeshBatch& meshes)
      : m_faces(faces), m_meshes(&cache, &meshes)
  {
    glNewList(list, GL_COMPILE);
  }
  ~CPartCompilation() { glEndList(); }
  CPartCompilation(const CPartCompilation&) = delete;
  CPartCompilation& operator=(const CPartCompilation&) = delete;

private:
  CFaceBatchScope m_faces;
  CMeshSceneScope m_meshes;
};

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

void CGLCamera::SetSceneSource(std::function<void()> source)
{
  m_sceneSource = [source = std::move(source)](const CEndBackground&) {
    if (source)
      source();
  };
}

void CGLCamera::CompileParts()
{
  m_backgroundText.reset();
  for (CScenePart* part : {&m_background, &m_foreground}) {
    if (part->list != 0)
      glDeleteLists(part->list, 1);
    part->list = glGenLists(1);
    part->faces.Clear();
    part->meshes.Clear();
  }
  if (m_background.list == 0 || m_foreground.list == 0)
    return;
  CSceneBoundsScope collect(m_sceneBounds);
  m_meshCache.BeginScene();
  {
    std::optional<CPartCompilation> part;
    part.emplace(m_background.list, m_background.faces, m_meshCache, m_background.meshes);
    bool ended = false;
    if (m_sceneSource)
      m_sceneSource([&](std::optional<std::string> key) {
        if (std::exchange(ended, true))
          return;
        part.reset();
        m_backgroundText = std::move(key);
        part.emplace(m_foreground.list, m_foreground.faces, m_meshCache, m_foreground.meshes);
      });
  }
  m_meshCache.DropUnused();
}

void CGLCamera::BuildScene()
{
  m_sceneBounds.Reset();
  BuildAxes(3.0);
  CompileParts();
  if (m_sceneBounds.IsEmpty() || m_sceneBounds.min == m_sceneBounds.max) {
    m_sceneBounds.min = kEmptySceneMin;
    m_sceneBounds.max = kEmptySceneMax;
  }
  double extent = SceneExtent();
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
  SetStandardView(0);
  SetProjection();
}

double CGLCamera::SceneExtent() const
{
  if (m_sceneBounds.IsEmpty())
    return kEmptySceneMax - kEmptySceneMin;
  return m_sceneBounds.max - m_sceneBounds.min;
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
    DrawSceneList(true);
    DrawAxesAtCentre();
  } else {
    DrawSceneList(false);
  }
  for (size_t i = 0; i < m_sensorMarkers.size(); ++i)
    if (i != m_nCurrentMarker)
      if (auto placement =
              PlaceSensorMarker(GetModelView(), m_distance, m_fieldOfView, GetWidth(), GetHeight(), m_sensorMarkers[i]))
        DrawSensorMarker(*placement, GetWidth(), GetHeight(), false);
  if (m_nCurrentMarker < m_sensorMarkers.size())
    if (auto placement = PlaceSensorMarker(GetModelView(), m_distance, m_fieldOfView, GetWidth(), GetHeight(),
                                           m_sensorMarkers[m_nCurrentMarker]))
      DrawSensorMarker(*placement, GetWidth(), GetHeight());

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

CMatrix CGLCamera::ViewMatrix(const CVector& pan) const
{
  // Trackball x Rx(elevation) x Ry(azimuth) x T(pan) x Rx(-90) x Rz(-90) in
  // GL's order, built here for row vectors from the right. The turn brings a
  // world point (x, y, z) to (y, z, x), so the azimuth turns about the
  // world's up axis.
  CMatrix view;
  view.Rotate(-90.0 * kDegToRad, 2);
  view.Rotate(-90.0 * kDegToRad, 0);
  view.Translate(pan);
  view.Rotate(m_azimuth * kDegToRad, 1);
  view.Rotate(m_elevation * kDegToRad, 0);
  return Product(view, ToMatrix(m_trackball));
}

void CGLCamera::ResetTrackball()
{
  m_trackball = kIdentity;
  m_trackballAngle = 0.0;
}

void CGLCamera::FoldTrackballIncrement()
{
  double length = m_trackballAxis.Length();
  if (!(length > 0.0) || m_trackballAngle == 0.0)
    return;
  // The increment turns the eye's frame, after the rotation so far.
  CMatrix folded =
      Product(ToMatrix(m_trackball), AxisRotation(m_trackballAngle * kDegToRad, m_trackballAxis * (1.0 / length)));
  for (int i = 0; i < 16; ++i)
    m_trackball[static_cast<size_t>(i)] = folded[i];
}

double CGLCamera::NearPlaneReach() const
{
  double halfHeight = std::tan(m_fieldOfView / 2.0 * std::numbers::pi / 180.0);
  double halfWidth = halfHeight * GetAspect();
  return 2.0 * m_near * std::sqrt(1.0 + halfHeight * halfHeight + halfWidth * halfWidth);
}

bool CGLCamera::RestoreBackground()
{
  m_bBackgroundRestored = false;
  m_backgroundToKeep.reset();
  // A moving camera would only fill the cache with pictures never seen again.
  if (IsMoving() || !m_backgroundText)
    return false;
  CBackgroundKey key{*m_backgroundText, BackgroundView()};
  m_bBackgroundRestored = m_backgroundCache.Restore(key, GetWidth(), GetHeight());
  // Kept only when seen a second time: the copy would not pay for a picture
  // seen once, as the first one of every window is.
  if (m_bBackgroundRestored)
    ++m_nBackgroundRestores;
  else if (key == m_seenBackground)
    m_backgroundToKeep = std::move(key);
  else
    m_seenBackground = std::move(key);
  return m_bBackgroundRestored;
}

std::vector<double> CGLCamera::BackgroundView() const
{
  const CMatrix view = GetModelView();
  std::vector<double> numbers(view.Data(), view.Data() + 16);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  numbers.insert(numbers.end(), projection, projection + 16);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  numbers.insert(numbers.end(), viewport, viewport + 4);
  numbers.insert(numbers.end(), {m_distance, m_fieldOfView, m_near, m_far, GetAspect(), static_cast<double>(GetWidth()),
                                 static_cast<double>(GetHeight())});
  numbers.insert(numbers.end(), GetClearColour().begin(), GetClearColour().end());
  return numbers;
}

void CGLCamera::DrawPart(const CScenePart& part, bool wireframe, const CVector& eye) const
{
  glCallList(part.list);
  part.faces.Draw();
  // The coarse meshes keep the picture quick while a tool moves.
  part.meshes.Draw(wireframe ? MeshDetail::Coarse : MeshDetail::Full, eye, NearPlaneReach());
}

void CGLCamera::DrawSceneList(bool wireframe)
{
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  glPushMatrix();
  CMatrix view = GetModelView();
  glLoadMatrixd(view.Data());
  // A default only: entries that set their own polygon mode keep it.
  glPolygonMode(GL_FRONT_AND_BACK, wireframe ? GL_LINE : GL_FILL);
  glColor3d(1.0, 1.0, 1.0);
  SetDepthLayer(DepthLayer::Default);
  // The projection moves the scene back by the distance, so the eye sits at
  // (0, 0, distance) in the modelview's frame.
  CMatrix toScene;
  CVector eye = Invert(view, toScene) ? TransformPoint(toScene, {0.0, 0.0, m_distance})
                                      : CVector(std::nan(""), std::nan(""), std::nan(""));
  if (wireframe) {
    DrawPart(m_background, wireframe, eye);
  } else if (!m_bBackgroundRestored) {
    // In every full picture the rest starts from the same state, whether
    // the background was drawn or restored.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    DrawPart(m_background, wireframe, eye);
    glPopClientAttrib();
    glPopAttrib();
    if (m_backgroundToKeep)
      m_backgroundCache.Store(*m_backgroundToKeep, GetWidth(), GetHeight());
  }
  DrawPart(m_foreground, wireframe, eye);
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
  glLoadMatrixd(ViewMatrix({0.0, 0.0, 0.0}).Data());
  double scale = 0.1 * m_distance;
  glScaled(scale, scale, scale);
  DrawAxes();
  glPopMatrix();
}

std::optional<size_t> CGLCamera::MarkerAt(int x, int y, double reach) const
{
  std::optional<size_t> nearest;
  double nearestDistance = reach;
  for (size_t i = 0; i < m_sensorMarkers.size(); ++i) {
    std::optional<CMarkerPlacement> placement =
        PlaceSensorMarker(GetModelView(), m_distance, m_fieldOfView, GetWidth(), GetHeight(), m_sensorMarkers[i]);
    // The placement counts from the bottom left, the window from the top left.
    const double distance = placement ? std::hypot(placement->x - x, placement->y - (GetHeight() - y)) : reach;
    if (distance <= nearestDistance) {
      nearest = i;
      nearestDistance = distance;
    }
  }
  return nearest;
}
