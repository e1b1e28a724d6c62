#include "MeshBatch.h"

#include <GL/gl.h>

namespace {

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

// The part carried into the scene, its runs as separate triangles or lines.
void AddPlacedPart(const CMeshPart& part, const CMatrix& toWorld, const CVector& colour, CVertexArrays& to)
{
  std::uint32_t base = to.NextIndex();
  for (size_t i = 0; i < part.Points().size(); ++i)
    to.Add(TransformPoint(toWorld, part.Points()[i]), TransformDirection(toWorld, part.Normals()[i]), colour);
  for (const CMeshPart::CRun& run : part.Runs())
    AppendRunIndices(run.mode, base + static_cast<std::uint32_t>(run.first), static_cast<std::uint32_t>(run.count),
                     to.indices);
}

} // namespace

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
      AddPlacedPart(mesh.geometry[detail]->fill, mesh.toWorld, mesh.fillColour, m_fills[detail]);
    if (mesh.outline)
      AddPlacedPart(mesh.geometry[detail]->edges, mesh.toWorld, mesh.lineColour, m_edges[detail]);
  }
  m_made[detail] = true;
}

void CMeshBatch::Draw(MeshDetail detail) const
{
  int index = detail == MeshDetail::Full ? 0 : 1;
  MakeArrays(index);
  const CVertexArrays& fills = m_fills[index];
  const CVertexArrays& edges = m_edges[index];
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
  fills.DrawIndexed(GL_TRIANGLES, true);

  glDisable(GL_LIGHTING);
  glDisableClientState(GL_NORMAL_ARRAY);
  edges.DrawIndexed(GL_LINES, false);

  glPopClientAttrib();
  glPopAttrib();
}
