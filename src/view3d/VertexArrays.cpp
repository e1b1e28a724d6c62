#include "VertexArrays.h"

#include <GL/gl.h>

namespace {

void Append(std::vector<float>& to, const CVector& v)
{
  to.insert(to.end(), {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)});
}

} // namespace

void CVertexArrays::Add(const CVector& point, const CVector& normal, const CVector& colour)
{
  Append(points, point);
  Append(normals, normal);
  Append(colours, colour);
}

void CVertexArrays::Clear()
{
  points.clear();
  normals.clear();
  colours.clear();
  indices.clear();
}

void CVertexArrays::Bind(bool withNormals) const
{
  glVertexPointer(3, GL_FLOAT, 0, points.data());
  glColorPointer(3, GL_FLOAT, 0, colours.data());
  if (withNormals)
    glNormalPointer(GL_FLOAT, 0, normals.data());
}

void CVertexArrays::Draw(unsigned int mode, bool withNormals) const
{
  if (points.empty())
    return;
  Bind(withNormals);
  glDrawArrays(mode, 0, static_cast<GLsizei>(NextIndex()));
}

void CVertexArrays::DrawIndexed(unsigned int mode, bool withNormals) const
{
  if (indices.empty())
    return;
  Bind(withNormals);
  glDrawElements(mode, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
}
