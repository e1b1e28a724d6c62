#pragma once

#include "MeshBatch.h"
#include "MeshGeometry.h"
#include "Vector.h"

#include <array>
#include <cstddef>
#include <functional>
#include <unordered_map>

// What shapes a mesh: the primitive, its numbers and step counts, and which
// passes are drawn. Colours are not part of it: they come with each placed
// mesh.
struct CMeshKey {
  int kind = 0;
  std::array<double, 12> values{};
  std::array<int, 2> steps{};
  bool fill = false;
  bool outline = false;

  // Bitwise, so that a key holding a non-number still finds itself.
  bool operator==(const CMeshKey& other) const;
};

struct CMeshKeyHash {
  size_t operator()(const CMeshKey& key) const;
};

// Step count of a mesh at the given detail: a quarter of the steps for the
// coarse mesh.
int StepsAt(int steps, MeshDetail detail);

// Fills the passes of the mesh at the given detail; false when the shape
// draws nothing.
using CMeshTessellation = std::function<bool(MeshDetail, CMeshGeometry&)>;

// Tessellated meshes kept from one scene build to the next: a rebuild after
// a sensor step leaves most meshes as they were, and equal shapes share one.
class CMeshCache {
public:
  struct CEntry {
    bool drawsNothing = false;
    std::array<CMeshGeometry, 2> geometry; // full, coarse
    double min = 1e300;                    // smallest and largest coordinate
    double max = -1e300;                   // value of the full mesh
    unsigned int generation = 0;
  };

  // Starts a scene: meshes not used from here on are dropped by DropUnused.
  void BeginScene() { ++m_generation; }
  // The entry of the mesh, tessellated on first use.
  const CEntry& Use(const CMeshKey& key, const CMeshTessellation& tessellate);
  void DropUnused();
  size_t Size() const { return m_entries.size(); }

private:
  std::unordered_map<CMeshKey, CEntry, CMeshKeyHash> m_entries;
  unsigned int m_generation = 0;
};

// While a scope is alive, the mesh primitives of this thread that know
// where they are placed (CMeshPlacementScope) take their meshes from the
// cache and hand them to the batch. Without a scope, or with nulls, they
// draw directly. Scopes nest.
class CMeshSceneScope {
public:
  CMeshSceneScope(CMeshCache* cache, CMeshBatch* batch);
  ~CMeshSceneScope();
  CMeshSceneScope(const CMeshSceneScope&) = delete;
  CMeshSceneScope& operator=(const CMeshSceneScope&) = delete;

private:
  CMeshCache* m_previousCache;
  CMeshBatch* m_previousBatch;
};

// The matrix that carries the mesh primitives drawn during the scope into
// the scene: the drawing entry's own, which includes the transform on the
// GL stack at that point. The matrix must outlive the scope.
class CMeshPlacementScope {
public:
  explicit CMeshPlacementScope(const CMatrix& toWorld);
  ~CMeshPlacementScope();
  CMeshPlacementScope(const CMeshPlacementScope&) = delete;
  CMeshPlacementScope& operator=(const CMeshPlacementScope&) = delete;

private:
  const CMatrix* m_previous;
};

// Draws a mesh primitive's fill and edge passes in the given colours (see
// DrawMeshPasses), or hands them to the batch of the scene being built.
void DrawCachedMesh(const CMeshKey& key, const CVector& lineColour, const CVector& fillColour, bool outline, bool fill,
                    const CMeshTessellation& tessellate);
