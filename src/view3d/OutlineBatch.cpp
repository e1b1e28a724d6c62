#include "OutlineBatch.h"

#include "GLPrimitives.h"
#include "SceneBounds.h"

#include <GL/gl.h>

namespace {

thread_local COutlineBatch* t_batch = nullptr;

} // namespace

void COutlineBatch::Add(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front)
{
  m_loops.push_back({m_points.size(), vertices.size(), colour, front});
  for (const CVector& v : vertices)
    m_points.push_back(TransformPoint(toWorld, v));
}

void COutlineBatch::Draw() const
{
  if (m_loops.empty())
    return;
  glPushAttrib(GL_LIGHTING_BIT | GL_CURRENT_BIT | GL_VIEWPORT_BIT);
  glDisable(GL_LIGHTING);
  for (bool front : {false, true}) {
    SetDepthLayer(front ? DepthLayer::OutlineFront : DepthLayer::Outline);
    glBegin(GL_LINES);
    for (const CLoop& loop : m_loops) {
      if (loop.front != front)
        continue;
      glColor3d(loop.colour.x, loop.colour.y, loop.colour.z);
      for (size_t i = 0; i < loop.count; ++i) {
        const CVector& from = m_points[loop.first + i];
        const CVector& to = m_points[loop.first + (i + 1) % loop.count];
        glVertex3d(from.x, from.y, from.z);
        glVertex3d(to.x, to.y, to.z);
      }
    }
    glEnd();
  }
  glPopAttrib();
  SetDepthLayer(DepthLayer::Default);
}

COutlineBatchScope::COutlineBatchScope(COutlineBatch& batch) : m_previous(t_batch)
{
  t_batch = &batch;
}

COutlineBatchScope::~COutlineBatchScope()
{
  t_batch = m_previous;
}

bool DeferOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front)
{
  if (!t_batch)
    return false;
  for (const CVector& v : vertices) {
    AddToSceneBounds(v.x);
    AddToSceneBounds(v.y);
    AddToSceneBounds(v.z);
  }
  t_batch->Add(toWorld, vertices, colour, front);
  return true;
}
