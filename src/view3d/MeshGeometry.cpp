#include "MeshGeometry.h"

#include "GLPrimitives.h"

#include <GL/gl.h>

void CMeshPart::Begin(unsigned int mode)
{
  m_mode = mode;
  m_first = m_points.size();
}

void CMeshPart::Vertex(const CVector& point)
{
  m_points.push_back(point);
  m_normals.push_back(m_normal);
}

void CMeshPart::End()
{
  if (m_points.size() > m_first)
    m_runs.push_back({m_mode, m_first, m_points.size() - m_first});
}

void CMeshPart::Draw(bool withNormals) const
{
  for (const CRun& run : m_runs) {
    glBegin(run.mode);
    for (size_t i = run.first; i < run.first + run.count; ++i) {
      if (withNormals)
        glNormal3d(m_normals[i].x, m_normals[i].y, m_normals[i].z);
      GLVertex3v(m_points[i]);
    }
    glEnd();
  }
}
