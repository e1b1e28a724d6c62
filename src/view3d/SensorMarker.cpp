#include "SensorMarker.h"

#include "VertexArrays.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kDiscRadius = 8.0;   // pixels
constexpr double kArrowLength = 34.0; // pixels from the centre, seen square on
constexpr double kRim = 1.5;
constexpr double kShaftHalfWidth = 1.5;
constexpr double kHeadLength = 8.0;
constexpr double kHeadHalfWidth = 5.0;
constexpr int kDiscSegments = 24;

struct CEyePoint {
  double x;
  double y;
  double depth; // in front of the eye
};

CEyePoint ToEye(const CMatrix& modelView, double distance, const CVector& p)
{
  CVector eye = TransformPoint(modelView, p);
  return {eye.x, eye.y, distance - eye.z};
}

const CVector kNoNormal{0.0, 0.0, 1.0};

void Corner(CVertexArrays& triangles, double x, double y, const CVector& colour)
{
  triangles.Add({x, y, 0.0}, kNoNormal, colour);
}

void Disc(CVertexArrays& triangles, double x, double y, double radius, const CVector& colour)
{
  double previousX = x + radius;
  double previousY = y;
  for (int i = 1; i <= kDiscSegments; ++i) {
    double a = 2.0 * std::numbers::pi * i / kDiscSegments;
    double nextX = x + radius * std::cos(a);
    double nextY = y + radius * std::sin(a);
    Corner(triangles, x, y, colour);
    Corner(triangles, previousX, previousY, colour);
    Corner(triangles, nextX, nextY, colour);
    previousX = nextX;
    previousY = nextY;
  }
}

// Shaft from the disc's edge to the head, then the head; grown by the rim
// for the white halo.
void Arrow(CVertexArrays& triangles, const CMarkerPlacement& p, double grow, const CVector& colour)
{
  double dx = p.tipX - p.x;
  double dy = p.tipY - p.y;
  double length = std::hypot(dx, dy);
  if (length < kDiscRadius + 2.0)
    return;
  double ux = dx / length, uy = dy / length;
  double nx = -uy, ny = ux;
  double headLength = std::min(kHeadLength, length - kDiscRadius);
  double baseX = p.tipX - ux * headLength, baseY = p.tipY - uy * headLength;
  double w = kShaftHalfWidth + grow;
  const double shaft[4][2] = {{p.x + nx * w, p.y + ny * w},
                              {p.x - nx * w, p.y - ny * w},
                              {baseX - nx * w, baseY - ny * w},
                              {baseX + nx * w, baseY + ny * w}};
  for (int corner : {0, 1, 2, 0, 2, 3})
    Corner(triangles, shaft[corner][0], shaft[corner][1], colour);
  double h = kHeadHalfWidth + grow;
  Corner(triangles, baseX + nx * h - ux * grow, baseY + ny * h - uy * grow, colour);
  Corner(triangles, baseX - nx * h - ux * grow, baseY - ny * h - uy * grow, colour);
  Corner(triangles, p.tipX + ux * grow * 2.0, p.tipY + uy * grow * 2.0, colour);
}

} // namespace

std::optional<CMarkerPlacement> PlaceSensorMarker(const CMatrix& modelView, double distance, double fieldOfView,
                                                  int width, int height, const CSensorMarker& marker)
{
  double focal = 1.0 / std::tan(fieldOfView / 2.0 * kDegToRad);
  double aspect = static_cast<double>(width) / height;
  auto toWindow = [&](const CEyePoint& e, double& x, double& y) {
    x = (focal / aspect * e.x / e.depth + 1.0) * 0.5 * width;
    y = (focal * e.y / e.depth + 1.0) * 0.5 * height;
  };
  CEyePoint centre = ToEye(modelView, distance, marker.centre);
  double axisLength = marker.axis.Length();
  if (!(centre.depth > 0.0) || !(axisLength > 0.0) || !std::isfinite(axisLength))
    return std::nullopt;
  CMarkerPlacement placement;
  toWindow(centre, placement.x, placement.y);
  if (!(placement.x >= 0.0 && placement.x < width && placement.y >= 0.0 && placement.y < height))
    return std::nullopt;
  // The arrow is as long in the world as kArrowLength pixels are at the
  // centre's depth, so the view foreshortens it with the axis.
  double metresPerPixel = 2.0 * centre.depth / (focal * height);
  CEyePoint tip =
      ToEye(modelView, distance, marker.centre + marker.axis * (kArrowLength * metresPerPixel / axisLength));
  if (!(tip.depth > 0.0))
    return std::nullopt;
  toWindow(tip, placement.tipX, placement.tipY);
  return placement;
}

void DrawSensorMarker(const CMarkerPlacement& placement, int width, int height, bool current)
{
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_POLYGON_BIT);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  // All shapes in one draw of triangles, the later covering the earlier: a
  // draw of its own for each would cost llvmpipe more than its few pixels.
  const CVector white{1.0, 1.0, 1.0};
  const CVector colour = current ? CVector{kMarkerRed, kMarkerGreen, kMarkerBlue}
                                 : CVector{kOtherMarkerGrey, kOtherMarkerGrey, kOtherMarkerGrey};
  CVertexArrays triangles;
  Arrow(triangles, placement, kRim, white);
  Disc(triangles, placement.x, placement.y, kDiscRadius + kRim, white);
  Arrow(triangles, placement, 0.0, colour);
  Disc(triangles, placement.x, placement.y, kDiscRadius, colour);
  // The projection centre itself.
  Disc(triangles, placement.x, placement.y, 2.0, white);
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  triangles.Draw(GL_TRIANGLES, false);
  glPopClientAttrib();

  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
}
