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
// never carries its meshes at the other. Closed surfaces go to a draw of their
// own whose faces turned away are culled, as they are hidden behind the near
// side, unless the eye may be inside one of them.
class CMeshBatch {
public:
  // The mesh at full and coarse detail (which must stay unchanged until the
  // batch is cleared), carried into the scene by toWorld (normals turn with
  // its rotation only), in the given colours; only the passes asked for.
  void Add(const CMeshGeometry& full, const CMeshGeometry& coarse, const CMatrix& toWorld, const CVector& lineColour,
           const CVector& fillColour, bool outline, bool fill);
  // Empties the batch, keeping its memory for the next scene.
  void Clear();
  // The modelview must be the scene's own, as after the scene list. eye is
  // the viewpoint in the scene; margin how far from it the near clipping
  // plane may reach.
  void Draw(MeshDetail detail, const CVector& eye, double margin) const;

private:
  struct CPlacedMesh {
    const CMeshGeometry* geometry[2]; // full, coarse
    CMatrix toWorld;
    CVector lineColour;
    CVector fillColour;
    bool outline;
    bool fill;
  };

  struct CBox {
    CVector min;
    CVector max;
  };

  void MakeArrays(int detail) const;
  bool MayBeInsideClosed(const CVector& eye, double margin) const;

  std::vector<CPlacedMesh> m_meshes;
  mutable bool m_made[2] = {false, false};
  // One pass of all meshes at one detail.
  mutable CVertexArrays m_fills[2]; // full, coarse
  // Closed surfaces by their winding seen from outside: counter-clockwise,
  // clockwise.
  mutable CVertexArrays m_closedFills[2][2];
  mutable CVertexArrays m_edges[2];
  // Scene-space bounds of the closed surfaces at full detail, which contain
  // the coarse ones too.
  std::vector<CBox> m_closedBoxes;
};
