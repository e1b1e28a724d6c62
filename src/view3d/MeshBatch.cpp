#include "MeshBatch.h"

#include <GL/gl.h>

namespace {

void Append(std::vector<float>& to, const CVector& v)
{
  to.insert(to.end(), {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)});
}

// Indices of the run's primitives as separate triangles or line pairs.
void AppendRunIndices(unsigned int mode, std::uint32_t first, std::uint32_t count, std::vector<std::uint32_t>& out)
{
  switch (mode) {
  case GL_QUAD_STRIP:
    // Quad k is 2k, 2k+1, 2k+3, 2k+2, as GL orders it.
    for (std::uint32_t k = 0; k + 3 < count; k += 2) {
      std::uint32_t a = first + k;
      out.insert(out.end(), {a, a + 1, a + 3, a, a + 3, a + 2});
    }
    break;
  case GL_LINES:
    for (std::uint32_t i = 0; i + 1 < count; i += 2)
      out.insert(out.end(), {first + i, first + i + 1});
    break;
  case GL_LINE_STRIP:
  case GL_LINE_LOOP:
    for (std::uint32_t i = 0; i + 1 < count; ++i)
      out.insert(out.end(), {first + i, first + i + 1});
    if (mode == GL_LINE_LOOP && count > 1)
      out.insert(out.end(), {first + count - 1, first});
    break;
  default:
    break;
  }
}

} // namespace

void CMeshBatch::CArrays::Add(const CMeshPart& part, const CMatrix& toWorld, const CVector& colour)
{
  auto base = static_cast<std::uint32_t>(points.size() / 3);
  const std::vector<CVector>& partNormals = part.Normals();
  for (size_t i = 0; i < part.Points().size(); ++i) {
    Append(points, TransformPoint(toWorld, part.Points()[i]));
    Append(normals, TransformDirection(toWorld, partNormals[i]));
    Append(colours, colour);
  }
  for (const CMeshPart::CRun& run : part.Runs())
    AppendRunIndices(run.mode, base + static_cast<std::uint32_t>(run.first), static_cast<std::uint32_t>(run.count),
                     indices);
}

void CMeshBatch::CArrays::Clear()
{
  points.clear();
  normals.clear();
  colours.clear();
  indices.clear();
}

void CMeshBatch::CArrays::Draw(unsigned int mode, bool withNormals) const
{
  if (indices.empty())
    return;
  glVertexPointer(3, GL_FLOAT, 0, points.data());
  glColorPointer(3, GL_FLOAT, 0, colours.data());
  if (withNormals)
    glNormalPointer(GL_FLOAT, 0, normals.data());
  glDrawElements(mode, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
}

void CMeshBatch::Add(const CMeshGeometry& full, const CMeshGeometry& coarse, const CMatrix& toWorld,
                     const CVector& lineColour, const CVector& fillColour, bool outline, bool fill)
{
  m_meshes.push_back({{&full, &coarse}, toWorld, lineColour, fillColour, outline, fill});
  m_made[0] = m_made[1] = false;
}

void CMeshBatch::Clear()
{
  m_meshes.clear();
  m_made[0] = m_made[1] = false;
}

void CMeshBatch::MakeArrays(int detail) const
{
  if (m_made[detail])
    return;
  m_fills[detail].Clear();
  m_edges[detail].Clear();
  for (const CPlacedMesh& mesh : m_meshes) {
    if (mesh.fill)
      m_fills[detail].Add(mesh.geometry[detail]->fill, mesh.toWorld, mesh.fillColour);
    if (mesh.outline)
      m_edges[detail].Add(mesh.geometry[detail]->edges, mesh.toWorld, mesh.lineColour);
  }
  m_made[detail] = true;
}

void CMeshBatch::Draw(MeshDetail detail) const
{
  int index = detail == MeshDetail::Full ? 0 : 1;
  MakeArrays(index);
  const CArrays& fills = m_fills[index];
  const CArrays& edges = m_edges[index];
  if (fills.indices.empty() && edges.indices.empty())
    return;
  glPushAttrib(GL_POLYGON_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT | GL_ENABLE_BIT);
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);

  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(1.0f, 1.0f);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glEnable(GL_LIGHTING);
  glEnableClientState(GL_NORMAL_ARRAY);
  fills.Draw(GL_TRIANGLES, true);

  glDisable(GL_LIGHTING);
  glDisableClientState(GL_NORMAL_ARRAY);
  edges.Draw(GL_LINES, false);

  glPopClientAttrib();
  glPopAttrib();
}
