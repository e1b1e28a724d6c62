#include "GLCamera.h"

#include <algorithm>
#include <cmath>

namespace {

// Pan of the start view: the rotation centre (4.3, -0.8, 1.1).
constexpr CVector kStartPan{0.8, -1.1, -4.3};
constexpr double kStartDistance = 42.0;
// Standard view 6 comes this close, relative to the scene extent.
constexpr double kCloseUpFactor = 0.0175;
// The "Velmar" view: metres from the eye to a point a quarter of that along
// the sensor's axis and, for a sensor that looks across the room, lower
// towards the floor its fan reaches; the eye above the fan and beside it
// on the side the sensor looks to.
constexpr double kSensorViewDistance = 7.0;
constexpr double kSensorViewAhead = 0.25;
constexpr double kSensorViewDrop = 0.15;
constexpr double kSensorViewElevation = 40.0;
constexpr double kSensorViewSide = 70.0;

constexpr double kSmallZoomStep = 0.01;
constexpr double kLargeZoomStep = 0.2;

// One turn of the mouse tools may pass a full turn once; it is brought back.
double WrapTurn(double angle)
{
  if (angle > 360.0)
    return angle - 360.0;
  if (angle < -360.0)
    return angle + 360.0;
  return angle;
}

} // namespace

bool CGLCamera::SetStandardView(int n)
{
  switch (n) {
  case 0:
    ResetTrackball();
    FrameScene();
    m_azimuth = -45.0;
    m_elevation = 25.0;
    return true;
  case 1:
    m_azimuth = 0.0;
    return true;
  case 2:
    ResetTrackball();
    return true;
  case 3:
    m_azimuth = 0.0;
    m_elevation = -90.0;
    return true;
  case 4:
    m_elevation = 0.0;
    m_azimuth = 90.0;
    return true;
  case 5:
    m_azimuth = 0.0;
    m_elevation = 0.0;
    return true;
  case 6:
    m_panOrigin = m_pan;
    m_distance = SceneExtent() * kCloseUpFactor;
    return true;
  case 7:
    FrameScene();
    return true;
  default:
    return false;
  }
}

void CGLCamera::FrameScene()
{
  if (!m_framedBox) {
    m_pan = kStartPan;
    m_panOrigin = m_pan;
    m_distance = kStartDistance;
    return;
  }
  SetTarget((m_framedBox->low + m_framedBox->high) * 0.5);
  m_distance = FittingDistance(*m_framedBox, m_fieldOfView, GetAspect());
}

void CGLCamera::ShowWholeScene()
{
  if (!m_framedBox)
    SetTarget({0.0, 0.0, 0.0});
  SetStandardView(7);
}

void CGLCamera::ShowSensor(double mountingHeight)
{
  SetTarget({0.0, 0.0, mountingHeight});
  SetStandardView(6);
}

void CGLCamera::ShowSensor(const CSensorMarker& sensor)
{
  CVector axis = sensor.axis;
  if (!(axis.Length() > 0.0))
    return;
  axis.Normalize();
  ResetTrackball();
  // The eye looks from the heading -azimuth (degrees from x towards y); a
  // sensor that looks straight down keeps the heading it is seen from.
  double across = std::hypot(axis.x, axis.y);
  if (across > 1e-3)
    m_azimuth = -(std::atan2(axis.y, axis.x) * kRadToDeg + kSensorViewSide);
  m_elevation = kSensorViewElevation;
  m_distance = std::min(kSensorViewDistance, 3.0 * SceneExtent());
  SetTarget(sensor.centre + axis * (kSensorViewAhead * m_distance) +
            CVector(0.0, 0.0, -kSensorViewDrop * m_distance * across));
}

CVector CGLCamera::GetTarget() const
{
  return {-m_pan.z, -m_pan.x, -m_pan.y};
}

CVector CGLCamera::GetEyePosition() const
{
  CMatrix toWorld;
  Invert(GetModelView(), toWorld);
  return TransformPoint(toWorld, {0.0, 0.0, m_distance});
}

void CGLCamera::SetTarget(const CVector& target)
{
  m_pan = {-target.y, -target.z, -target.x};
  m_panOrigin = m_pan;
}

void CGLCamera::OnButtonDown(bool shift, int x, int y)
{
  m_nLastX = x;
  m_nLastY = y;
  switch (m_nTool) {
  case kZoomInTool:
  case kZoomOutTool:
    StartZoom(shift ? kLargeZoomStep : kSmallZoomStep);
    break;
  case kPanTool:
  case kRotateTool:
    SetMoving(true);
    break;
  case kTrackballTool:
    m_trackballPoint = SpherePoint(x, y);
    m_trackballAngle = 0.0;
    SetMoving(true);
    break;
  default:
    SetMoving(false);
    break;
  }
}

void CGLCamera::OnButtonUp(int x, int y)
{
  m_panOrigin = m_pan;
  SetMoving(false);
  // Also after a tool switch in mid-drag, so no zoom timer is left running.
  StopZoom();
  if (m_nTool == kTrackballTool) {
    m_trackballPoint = SpherePoint(x, y);
    m_trackballAngle = 0.0;
  }
}

bool CGLCamera::OnMouseMove(int x, int y)
{
  if (!IsMoving())
    return false;
  switch (m_nTool) {
  case kPanTool:
    PanBy(x, y);
    break;
  case kRotateTool:
    RotateBy(x, y);
    break;
  case kTrackballTool:
    TrackballTo(x, y);
    break;
  default:
    break;
  }
  return true;
}

void CGLCamera::OnRightButtonDown(bool ctrl, bool shift, int x, int y)
{
  // A drag with the pan, rotate or trackball tool goes on from here.
  m_nLastX = x;
  m_nLastY = y;
  if (m_nTool == kTrackballTool) {
    m_trackballPoint = SpherePoint(x, y);
    m_trackballAngle = 0.0;
  }
  double step = ctrl ? kLargeZoomStep : kSmallZoomStep;
  StartZoom(shift ? -step : step);
}

void CGLCamera::OnRightButtonUp()
{
  if (m_nTimer == 0)
    return;
  StopZoom();
  m_panOrigin = m_pan;
  SetMoving(false);
}

bool CGLCamera::OnTimer(int id)
{
  if (id != kZoomTimerId)
    return false;
  if (m_nTimer != 0 && IsZoomTool())
    m_distance = ClampDistance(m_distance * (m_nTool == kZoomInTool ? 1.0 - m_zoomStep : 1.0 + m_zoomStep));
  return true;
}

double CGLCamera::ClampDistance(double distance) const
{
  double extent = SceneExtent();
  double lower = 3.0 * extent * m_minDistanceFactor * 10.0;
  double upper = 3.0 * extent;
  if (!(distance > lower))
    return lower;
  if (!(distance < upper))
    return upper;
  return distance;
}

void CGLCamera::ZoomTowards(double factor, int x, int y)
{
  double before = m_distance;
  m_distance = ClampDistance(m_distance * factor);
  // The share of the way from the target to the point that the eye, moving
  // along its line of sight to that point, covers.
  double share = 1.0 - m_distance / before;
  CMatrix toWorld;
  if (share == 0.0 || !Invert(GetModelView(), toWorld))
    return;
  double w = GetWidth();
  double h = GetHeight();
  double halfHeight = std::tan(m_fieldOfView * 0.5 * kDegToRad) * before;
  CVector onPlane{(2.0 * x - w) / w * halfHeight * GetAspect(), (h - 2.0 * y) / h * halfHeight, 0.0};
  SetTarget(GetTarget() + TransformDirection(toWorld, onPlane) * share);
}

void CGLCamera::Turn(double azimuth, double elevation)
{
  m_azimuth = WrapTurn(m_azimuth + azimuth);
  m_elevation = WrapTurn(m_elevation + elevation);
}

void CGLCamera::PanStep(int dx, int dy)
{
  m_panOrigin = m_pan;
  m_nLastX = 0;
  m_nLastY = 0;
  PanBy(dx, dy);
  m_panOrigin = m_pan;
}

void CGLCamera::StartZoom(double step)
{
  m_zoomStep = step;
  SetMoving(true);
  m_nTimer = kZoomTimerId;
}

void CGLCamera::StopZoom()
{
  m_nTimer = 0;
}

// Follows the offset from the button-down point, turned by the azimuth and
// elevation so that the scene moves with the mouse from any side.
void CGLCamera::PanBy(int x, int y)
{
  double dx = static_cast<double>(x - m_nLastX) / GetWidth() * m_distance;
  double dy = static_cast<double>(y - m_nLastY) / GetHeight() * m_distance;
  double a = m_azimuth * kDegToRad;
  double e = m_elevation * kDegToRad;
  m_pan.x = m_panOrigin.x + std::cos(a) * dx - std::sin(e) * dy * std::sin(a);
  m_pan.y = m_panOrigin.y - std::cos(e) * dy;
  m_pan.z = m_panOrigin.z + std::sin(a) * dx + std::sin(e) * dy * std::cos(a);
}

void CGLCamera::RotateBy(int x, int y)
{
  m_elevation = WrapTurn(m_elevation + (y - m_nLastY) * 180.0 / GetHeight());
  m_azimuth = WrapTurn(m_azimuth + (x - m_nLastX) * 360.0 / GetWidth());
  m_nLastX = x;
  m_nLastY = y;
}

void CGLCamera::TrackballTo(int x, int y)
{
  CVector p = SpherePoint(x, y);
  m_trackballAngle = (p - m_trackballPoint).Length() * 90.0;
  m_trackballAxis = Cross(m_trackballPoint, p);
  m_trackballPoint = p;
  FoldTrackballIncrement();
}

CVector CGLCamera::SpherePoint(int x, int y) const
{
  double w = GetWidth();
  double h = GetHeight();
  double u = (2.0 * x - w) / w;
  double v = (h - 2.0 * y) / h;
  double d = std::min(std::sqrt(u * u + v * v), 1.0);
  CVector p{u, v, std::cos(d * 1.5707963705062866)};
  return p.Normalize();
}
