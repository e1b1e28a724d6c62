#include "FaceBatch.h"

#include "GLPrimitives.h"
#include "SceneBounds.h"

#include <GL/gl.h>

namespace {

thread_local CFaceBatch* t_batch = nullptr;

// Plain glVertex: world coordinates must stay out of the scene bounds.
void EmitPoint(const CVector& p)
{
  glVertex3d(p.x, p.y, p.z);
}

// One glBegin/glEnd per depth layer, the runs in the order they came.
template <class Run, class EmitRun>
void DrawInLayers(const std::vector<Run>& runs, GLenum mode, DepthLayer back, DepthLayer front, EmitRun emit)
{
  for (bool inFront : {false, true}) {
    SetDepthLayer(inFront ? front : back);
    glBegin(mode);
    for (const Run& run : runs) {
      if (run.front != inFront)
        continue;
      glColor3d(run.colour.x, run.colour.y, run.colour.z);
      emit(run);
    }
    glEnd();
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

CFaceBatch::CLoop CFaceBatch::AddLoop(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour,
                                      bool front)
{
  CLoop loop{m_points.size(), vertices.size(), colour, front};
  for (const CVector& v : vertices)
    m_points.push_back(TransformPoint(toWorld, v));
  return loop;
}

void CFaceBatch::AddFill(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& normal,
                         const CVector& colour, bool front)
{
  m_fills.push_back({AddLoop(toWorld, vertices, colour, front), TransformDirection(toWorld, normal)});
}

void CFaceBatch::AddOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front)
{
  m_loops.push_back(AddLoop(toWorld, vertices, colour, front));
}

void CFaceBatch::Draw() const
{
  if (IsEmpty())
    return;
  glPushAttrib(GL_LIGHTING_BIT | GL_CURRENT_BIT | GL_VIEWPORT_BIT | GL_POLYGON_BIT);
  DrawFills();
  DrawOutlines();
  glPopAttrib();
  SetDepthLayer(DepthLayer::Default);
}

void CFaceBatch::DrawFills() const
{
  glEnable(GL_LIGHTING);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  // Each face as a fan of triangles, so that all faces of a layer share one
  // draw; GL_NORMALIZE at paint makes up for the normals' lengths.
  DrawInLayers(m_fills, GL_TRIANGLES, DepthLayer::Fill, DepthLayer::FillFront, [this](const CFill& fill) {
    glNormal3d(fill.normal.x, fill.normal.y, fill.normal.z);
    for (size_t i = 1; i + 1 < fill.count; ++i) {
      EmitPoint(m_points[fill.first]);
      EmitPoint(m_points[fill.first + i]);
      EmitPoint(m_points[fill.first + i + 1]);
    }
  });
}

void CFaceBatch::DrawOutlines() const
{
  glDisable(GL_LIGHTING);
  DrawInLayers(m_loops, GL_LINES, DepthLayer::Outline, DepthLayer::OutlineFront, [this](const CLoop& loop) {
    for (size_t i = 0; i < loop.count; ++i) {
      EmitPoint(m_points[loop.first + i]);
      EmitPoint(m_points[loop.first + (i + 1) % loop.count]);
    }
  });
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
