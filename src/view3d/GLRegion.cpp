#include "GLRegion.h"

#include "GLPrimitives.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cmath>
#include <deque>
#include <memory>
#include <utility>

namespace {

using Coordinates = std::array<GLdouble, 3>;

// What the tessellator's callbacks fill: the triangles' corners, and the
// points it makes where rings cross, kept alive until it is done.
struct CTessellation {
  std::deque<Coordinates> points;
  CVectorArray triangles;
  bool bFailed = false;
};

void GLAPIENTRY OnVertex(void* vertex, void* data)
{
  const auto* point = static_cast<const Coordinates*>(vertex);
  static_cast<CTessellation*>(data)->triangles.push_back({(*point)[0], (*point)[1], (*point)[2]});
}

void GLAPIENTRY OnCombine(GLdouble coordinates[3], void* [4], GLfloat[4], void** out, void* data)
{
  auto* tessellation = static_cast<CTessellation*>(data);
  tessellation->points.push_back({coordinates[0], coordinates[1], coordinates[2]});
  *out = tessellation->points.back().data();
}

void GLAPIENTRY OnError(GLenum, void* data)
{
  static_cast<CTessellation*>(data)->bFailed = true;
}

// With an edge-flag callback the tessellator hands out separate triangles
// only, never fans or strips.
void GLAPIENTRY OnEdgeFlag(GLboolean, void*) {}

struct CTessDeleter {
  void operator()(GLUtesselator* tess) const { gluDeleteTess(tess); }
};

// Newell's normal: sound whatever the first vertices.
CVector RingNormal(const CVectorArray& ring)
{
  CVector normal;
  for (size_t i = 0; i < ring.size(); ++i) {
    const CVector& a = ring[i];
    const CVector& b = ring[(i + 1) % ring.size()];
    normal.x += (a.y - b.y) * (a.z + b.z);
    normal.y += (a.z - b.z) * (a.x + b.x);
    normal.z += (a.x - b.x) * (a.y + b.y);
  }
  return normal;
}

bool IsFinite(const CVectorArray& ring)
{
  for (const CVector& v : ring)
    if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z))
      return false;
  return true;
}

void AddRing(GLUtesselator* tess, CTessellation& tessellation, const CVectorArray& ring)
{
  gluTessBeginContour(tess);
  for (const CVector& v : ring) {
    tessellation.points.push_back({v.x, v.y, v.z});
    gluTessVertex(tess, tessellation.points.back().data(), tessellation.points.back().data());
  }
  gluTessEndContour(tess);
}

} // namespace

CVectorArray TriangulateRegion(const CVectorArray& outer, const std::vector<CVectorArray>& holes)
{
  CVector normal = RingNormal(outer);
  double length = normal.Length();
  bool finite = IsFinite(outer);
  for (const CVectorArray& hole : holes)
    finite = finite && IsFinite(hole);
  if (!finite || !(length > 0.0) || !std::isfinite(length))
    return {};
  std::unique_ptr<GLUtesselator, CTessDeleter> tess(gluNewTess());
  if (!tess)
    return {};
  // The tessellator calls back through plain function pointers.
  using Callback = _GLUfuncptr;
  gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, reinterpret_cast<Callback>(&OnVertex));
  gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, reinterpret_cast<Callback>(&OnCombine));
  gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, reinterpret_cast<Callback>(&OnError));
  gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<Callback>(&OnEdgeFlag));
  gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
  gluTessNormal(tess.get(), normal.x / length, normal.y / length, normal.z / length);

  CTessellation tessellation;
  gluTessBeginPolygon(tess.get(), &tessellation);
  AddRing(tess.get(), tessellation, outer);
  for (const CVectorArray& hole : holes)
    AddRing(tess.get(), tessellation, hole);
  gluTessEndPolygon(tess.get());
  if (tessellation.bFailed || tessellation.triangles.size() % 3 != 0)
    return {};
  // Two-sided lighting shades a face by the side it shows, so every
  // triangle must turn as the normal given with it.
  for (size_t i = 0; i < tessellation.triangles.size(); i += 3) {
    CVector* t = &tessellation.triangles[i];
    if (Cross(t[1] - t[0], t[2] - t[0]).Dot(normal) < 0.0)
      std::swap(t[1], t[2]);
  }
  return std::move(tessellation.triangles);
}

void DrawRegion(const CVectorArray& outer, const std::vector<CVectorArray>& holes, const CVector& colour)
{
  CVectorArray triangles = TriangulateRegion(outer, holes);
  if (triangles.empty())
    return;
  CVector normal = RingNormal(outer);
  // Not the patches' front layer: its depth range shifts a far region by
  // decimetres, through the furniture standing on it. A few depth steps win
  // over the surface alone; no slope term, which on a wall seen edge-on
  // grows past a door a centimetre in front of it.
  glPushAttrib(GL_POLYGON_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
  SetDepthLayer(DepthLayer::Fill);
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(0.0f, -3.0f);
  glEnable(GL_LIGHTING);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glColor3d(colour.x, colour.y, colour.z);
  glNormal3d(normal.x, normal.y, normal.z);
  glBegin(GL_TRIANGLES);
  for (const CVector& v : triangles)
    GLVertex3v(v);
  glEnd();
  glPopAttrib();
  SetDepthLayer(DepthLayer::Default);
}
