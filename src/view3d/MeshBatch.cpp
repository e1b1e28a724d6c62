#include "MeshBatch.h"

#include <GL/gl.h>

#include <algorithm>

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

double Determinant(const CMatrix& m)
{
  return m[0] * (m[5] * m[10] - m[6] * m[9]) - m[1] * (m[4] * m[10] - m[6] * m[8]) + m[2] * (m[4] * m[9] - m[5] * m[8]);
}

// Winding of the mesh's fill in the scene: a mirroring matrix turns it round.
int PlacedWinding(const CMeshGeometry& geometry, const CMatrix& toWorld)
{
  double det = Determinant(toWorld);
  if (geometry.closedWinding == 0 || !(det != 0.0))
    return 0;
  return det > 0.0 ? geometry.closedWinding : -geometry.closedWinding;
}

} // namespace

void CMeshBatch::Add(const CMeshGeometry& full, const CMeshGeometry& coarse, const CMatrix& toWorld,
                     const CVector& lineColour, const CVector& fillColour, bool outline, bool fill)
{
  m_meshes.push_back({{&full, &coarse}, toWorld, lineColour, fillColour, outline, fill});
  m_made[0] = m_made[1] = false;
  if (!fill || PlacedWinding(full, toWorld) == 0)
    return;
  CBox box{{1e300, 1e300, 1e300}, {-1e300, -1e300, -1e300}};
  for (const CVector& local : full.fill.Points()) {
    CVector p = TransformPoint(toWorld, local);
    box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
    box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
  }
  m_closedBoxes.push_back(box);
}

void CMeshBatch::Clear()
{
  m_meshes.clear();
  m_closedBoxes.clear();
  m_made[0] = m_made[1] = false;
}

void CMeshBatch::MakeArrays(int detail) const
{
  if (m_made[detail])
    return;
  m_fills[detail].Clear();
  m_closedFills[detail][0].Clear();
  m_closedFills[detail][1].Clear();
  m_edges[detail].Clear();
  for (const CPlacedMesh& mesh : m_meshes) {
    const CMeshGeometry& geometry = *mesh.geometry[detail];
    int winding = PlacedWinding(geometry, mesh.toWorld);
    // Turning a mirrored surface's triangles round would also swap the sides
    // that two-sided lighting lights, so it keeps its winding and culls the
    // other face.
    if (mesh.fill && winding != 0)
      AddPlacedPart(geometry.fill, mesh.toWorld, mesh.fillColour, m_closedFills[detail][winding > 0 ? 0 : 1]);
    else if (mesh.fill)
      AddPlacedPart(geometry.fill, mesh.toWorld, mesh.fillColour, m_fills[detail]);
    if (mesh.outline)
      AddPlacedPart(mesh.geometry[detail]->edges, mesh.toWorld, mesh.lineColour, m_edges[detail]);
  }
  m_made[detail] = true;
}

bool CMeshBatch::MayBeInsideClosed(const CVector& eye, double margin) const
{
  // Not-a-number comparisons fail, so an unknown eye counts as inside.
  for (const CBox& box : m_closedBoxes)
    if (!(eye.x < box.min.x - margin || eye.x > box.max.x + margin || eye.y < box.min.y - margin ||
          eye.y > box.max.y + margin || eye.z < box.min.z - margin || eye.z > box.max.z + margin))
      return true;
  return false;
}

void CMeshBatch::Draw(MeshDetail detail, const CVector& eye, double margin) const
{
  int index = detail == MeshDetail::Full ? 0 : 1;
  MakeArrays(index);
  const CVertexArrays& fills = m_fills[index];
  const CVertexArrays* closedFills = m_closedFills[index];
  const CVertexArrays& edges = m_edges[index];
  if (fills.indices.empty() && closedFills[0].indices.empty() && closedFills[1].indices.empty() &&
      edges.indices.empty())
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
  bool cull = !MayBeInsideClosed(eye, margin);
  glFrontFace(GL_CCW);
  for (int outward = 0; outward < 2; ++outward) {
    if (cull) {
      // The faces turned away from the eye: back faces where the outside
      // winds counter-clockwise, front faces where it winds clockwise.
      glCullFace(outward == 0 ? GL_BACK : GL_FRONT);
      glEnable(GL_CULL_FACE);
    }
    closedFills[outward].DrawIndexed(GL_TRIANGLES, true);
  }
  glDisable(GL_CULL_FACE);

  glDisable(GL_LIGHTING);
  glDisableClientState(GL_NORMAL_ARRAY);
  edges.DrawIndexed(GL_LINES, false);

  glPopClientAttrib();
  glPopAttrib();
}
