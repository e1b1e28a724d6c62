#include "ItemPolygon.h"

#include "DefaultNames.h"
#include "EntryDrawState.h"
#include "EntryLimits.h"
#include "FaceBatch.h"
#include "GLPrimitives.h"
#include "Intersect.h"
#include "RecordCursor.h"
#include "RecordText.h"

#include <GL/gl.h>

namespace {

void EmitVertices(const CVectorArray& vertices)
{
  for (const CVector& v : vertices)
    GLVertex3v(v);
}

} // namespace

bool CItemPolygon::ReadPolygonFields(CRecordCursor& line, std::string& parentName)
{
  if (!Read3DColorFields(line, parentName) || !HasOwnFields(line))
    return false;
  CRecordCursor cursor = line;
  int front = 0;
  int count = 0;
  if (!cursor.ReadInt(front) || !cursor.ReadInt(count) || !cursor.HasRest()) {
    line = CRecordCursor(std::string_view());
    return true;
  }
  if (count > kMaxPolygonVertices || count > static_cast<long long>(cursor.Rest().size()))
    return false;
  m_bFront = front == 1 ? 1 : 0;
  m_vertexText.Read(cursor, count, m_vertices);
  line = cursor;
  return true;
}

void CItemPolygon::WritePolygonFields(CTextBuffer& out, const std::string& parentName)
{
  Write3DColorFields(out, parentName);
  AppendIntField(out, m_bFront ? 1 : 0);
  AppendIntField(out, static_cast<int>(m_vertices.size()));
  m_vertexText.Append(out, m_vertices);
}

bool CItemPolygon::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadPolygonFields(line, parentName);
}

void CItemPolygon::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WritePolygonFields(out, parentName);
}

void CItemPolygon::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Polygon);
  m_vertices.clear();
}

void CItemPolygon::SetCorners(double x1, double y1, double x2, double y2)
{
  m_vertices = {{x1, y1, 0.0}, {x2, y1, 0.0}, {x2, y2, 0.0}, {x1, y2, 0.0}};
}

int CItemPolygon::Intersect(const CVector& a, const CVector& b, CVectorArray& hits, int mode) const
{
  CVectorArray scene;
  scene.reserve(m_vertices.size());
  for (const CVector& v : m_vertices)
    scene.push_back(TransformPoint(m_matrix, v));
  return IntersectLinePolygon(a, b, scene, hits, mode);
}

void CItemPolygon::Draw(int)
{
  if (!IsVisible() || m_vertices.size() < 3)
    return;
  const CVectorArray& v = m_vertices;
  CVector normal = Cross(v[1] - v[2], v[2] - v[0]);
  bool front = m_bFront != 0;
  // In a scene list fill and outline join the scene's face batch, drawn
  // after all other entries.
  bool fillDrawn = !m_bFill || DeferFill(m_matrix, v, normal, m_fillColor, front);
  bool outlineDrawn = !m_bOutline || DeferOutline(m_matrix, v, m_lineColor, front);
  if (fillDrawn && outlineDrawn)
    return;
  PushPlacement(m_position, m_rotation);
  glPushAttrib(GL_POLYGON_BIT | GL_LIGHTING_BIT);
  if (!fillDrawn) {
    SetDepthLayer(front ? DepthLayer::FillFront : DepthLayer::Fill);
    glEnable(GL_LIGHTING);
    glColor3d(m_fillColor.x, m_fillColor.y, m_fillColor.z);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glNormal3d(normal.x, normal.y, normal.z);
    glBegin(GL_POLYGON);
    EmitVertices(v);
    glEnd();
  }
  if (!outlineDrawn) {
    SetDepthLayer(front ? DepthLayer::OutlineFront : DepthLayer::Outline);
    glDisable(GL_LIGHTING);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    GLBeginColoured(GL_LINE_LOOP, m_lineColor);
    EmitVertices(v);
    glEnd();
  }
  glPopAttrib();
  SetDepthLayer(DepthLayer::Default);
  PopPlacement();
}
