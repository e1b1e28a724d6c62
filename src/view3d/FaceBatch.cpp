#include "FaceBatch.h"

#include "GLPrimitives.h"
#include "SceneBounds.h"

#include <GL/gl.h>

namespace {

thread_local CFaceBatch* t_batch = nullptr;

const CVector kNoNormal{0.0, 0.0, 1.0};
constexpr float kBoldLineWidth = 2.0f;

void AddLoop(CVertexArrays& lines, const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour)
{
  if (vertices.empty())
    return;
  CVector first = TransformPoint(toWorld, vertices[0]);
  CVector from = first;
  for (size_t i = 1; i <= vertices.size(); ++i) {
    CVector to = i < vertices.size() ? TransformPoint(toWorld, vertices[i]) : first;
    lines.Add(from, kNoNormal, colour);
    lines.Add(to, kNoNormal, colour);
    from = to;
  }
}

CFaceBatch* BatchTakingFace(const CVectorArray& vertices)
{
  if (!t_batch)
    return nullptr;
  for (const CVector& v : vertices) {
    AddToSceneBounds(v.x);
    AddToSceneBounds(v.y);
    AddToSceneBounds(v.z);
  }
  return t_batch;
}

} // namespace

void CFaceBatch::AddFill(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& normal,
                         const CVector& colour, bool front)
{
  if (vertices.size() < 3)
    return;
  // Each face as a fan of triangles, so that all faces of a layer share one
  // draw; GL_NORMALIZE at paint makes up for the normals' lengths.
  CVector turned = TransformDirection(toWorld, normal);
  CVector first = TransformPoint(toWorld, vertices[0]);
  CVector previous = TransformPoint(toWorld, vertices[1]);
  for (size_t i = 2; i < vertices.size(); ++i) {
    CVector next = TransformPoint(toWorld, vertices[i]);
    for (const CVector& p : {first, previous, next})
      m_fills[front].Add(p, turned, colour);
    previous = next;
  }
}

void CFaceBatch::AddOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front)
{
  AddLoop(m_lines[front], toWorld, vertices, colour);
}

void CFaceBatch::AddBoldOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour)
{
  AddLoop(m_boldLines, toWorld, vertices, colour);
}

void CFaceBatch::Clear()
{
  for (CVertexArrays* arrays : {&m_fills[0], &m_fills[1], &m_lines[0], &m_lines[1], &m_boldLines})
    arrays->Clear();
}

bool CFaceBatch::IsEmpty() const
{
  return m_fills[0].points.empty() && m_fills[1].points.empty() && m_lines[0].points.empty() &&
         m_lines[1].points.empty() && m_boldLines.points.empty();
}

void CFaceBatch::Draw() const
{
  if (IsEmpty())
    return;
  glPushAttrib(GL_LIGHTING_BIT | GL_CURRENT_BIT | GL_VIEWPORT_BIT | GL_POLYGON_BIT | GL_LINE_BIT);
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);

  // Smooth like the other entries, though a face has one normal and one
  // colour: flat shading would spare interpolating the colour per pixel, but
  // is a rasteriser setup of its own, which llvmpipe compiles afresh for each
  // context, costing a window's first picture more than its frames gain.
  // The fills in front go first, so that the parts of the faces behind that
  // they hide fail the depth test before they are shaded.
  glShadeModel(GL_SMOOTH);
  glEnable(GL_LIGHTING);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glEnableClientState(GL_NORMAL_ARRAY);
  SetDepthLayer(DepthLayer::FillFront);
  m_fills[1].Draw(GL_TRIANGLES, true);
  SetDepthLayer(DepthLayer::Fill);
  m_fills[0].Draw(GL_TRIANGLES, true);

  glDisable(GL_LIGHTING);
  glDisableClientState(GL_NORMAL_ARRAY);
  SetDepthLayer(DepthLayer::Outline);
  m_lines[0].Draw(GL_LINES, false);
  SetDepthLayer(DepthLayer::OutlineFront);
  m_lines[1].Draw(GL_LINES, false);
  if (!m_boldLines.points.empty()) {
    glLineWidth(kBoldLineWidth);
    m_boldLines.Draw(GL_LINES, false);
  }

  glPopClientAttrib();
  glPopAttrib();
  SetDepthLayer(DepthLayer::Default);
}

CFaceBatchScope::CFaceBatchScope(CFaceBatch* batch) : m_previous(t_batch)
{
  t_batch = batch;
}

CFaceBatchScope::~CFaceBatchScope()
{
  t_batch = m_previous;
}

bool DeferFill(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& normal, const CVector& colour,
               bool front)
{
  CFaceBatch* batch = BatchTakingFace(vertices);
  if (batch)
    batch->AddFill(toWorld, vertices, normal, colour, front);
  return batch != nullptr;
}

bool DeferOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front)
{
  CFaceBatch* batch = BatchTakingFace(vertices);
  if (batch)
    batch->AddOutline(toWorld, vertices, colour, front);
  return batch != nullptr;
}

bool DeferBoldOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour)
{
  CFaceBatch* batch = BatchTakingFace(vertices);
  if (batch)
    batch->AddBoldOutline(toWorld, vertices, colour);
  return batch != nullptr;
}
