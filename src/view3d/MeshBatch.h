#pragma once

#include "MeshGeometry.h"
#include "Vector.h"
#include "VertexArrays.h"

#include <vector>

// Meshes of the scene, collected while the scene is built and drawn after the
// scene list from indexed vertex arrays in world coordinates: all fills in
// one draw, lit and pushed back by a polygon offset, then all edges in one
// draw, unlit. Drawn one by one, each mesh costs the software rasteriser
// several state switches; together they cost two draws. The arrays of a
// detail are made when it is first drawn, so a scene seen only at one detail
// never carries its meshes at the other.
class CMeshBatch {
public:
  // The mesh at full and coarse detail (which must stay unchanged until the
  // batch is cleared), carried into the scene by toWorld (normals turn with
  // its rotation only), in the given colours; only the passes asked for.
  void Add(const CMeshGeometry& full, const CMeshGeometry& coarse, const CMatrix& toWorld, const CVector& lineColour,
           const CVector& fillColour, bool outline, bool fill);
  // Empties the batch, keeping its memory for the next scene.
  void Clear();
  // The modelview must be the scene's own, as after the scene list.
  void Draw(MeshDetail detail) const;

private:
  struct CPlacedMesh {
    const CMeshGeometry* geometry[2]; // full, coarse
    CMatrix toWorld;
    CVector lineColour;
    CVector fillColour;
    bool outline;
    bool fill;
  };

  void MakeArrays(int detail) const;

  std::vector<CPlacedMesh> m_meshes;
  mutable bool m_made[2] = {false, false};
  // One pass of all meshes at one detail.
  mutable CVertexArrays m_fills[2]; // full, coarse
  mutable CVertexArrays m_edges[2];
};
