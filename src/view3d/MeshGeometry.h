#pragma once

#include "Vector.h"

#include <cstddef>
#include <vector>

// Vertices of one pass of a mesh primitive, recorded in the order the
// immediate-mode calls would give them, so they can be drawn where they are
// made or kept and placed into the scene's mesh batch.
class CMeshPart {
public:
  // mode is a GL primitive type such as GL_QUAD_STRIP.
  void Begin(unsigned int mode);
  // Applies to the vertices that follow, as glNormal does.
  void Normal(const CVector& normal) { m_normal = normal; }
  void Vertex(const CVector& point);
  void End();

  // Issues the recorded calls, the vertices feeding the scene bounds;
  // normals only where withNormals (lit passes).
  void Draw(bool withNormals) const;

  struct CRun {
    unsigned int mode;
    size_t first;
    size_t count;
  };
  const std::vector<CVector>& Points() const { return m_points; }
  const std::vector<CVector>& Normals() const { return m_normals; }
  const std::vector<CRun>& Runs() const { return m_runs; }

private:
  std::vector<CVector> m_points;
  std::vector<CVector> m_normals;
  std::vector<CRun> m_runs;
  CVector m_normal{0.0, 0.0, 1.0};
  unsigned int m_mode = 0;
  size_t m_first = 0;
};

// The full mesh, or the coarse one drawn while a tool moves.
enum class MeshDetail { Full, Coarse };

// The two passes of a mesh primitive: the lit fill and the unlit edges.
struct CMeshGeometry {
  CMeshPart fill;
  CMeshPart edges;
  // +1 when the fill is a closed surface wound counter-clockwise seen from
  // outside, -1 when wound clockwise, 0 when it is open.
  int closedWinding = 0;
};
