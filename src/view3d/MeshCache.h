#pragma once

#include "MeshGeometry.h"
#include "Vector.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_map>

// What shapes a mesh: the primitive, its numbers and step counts, and which
// passes are drawn. Colours are not part of it; they are set around it.
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

// The full mesh, or the coarse one drawn while a tool moves: a quarter of
// the steps in each direction.
enum class MeshDetail { Full, Coarse };

// Step count of a mesh at the given detail.
int StepsAt(int steps, MeshDetail detail);

// Fills the passes of the mesh at the given detail; false when the shape
// draws nothing.
using CMeshTessellation = std::function<bool(MeshDetail, CMeshGeometry&)>;

// Display lists of the meshes of the scene, kept from one scene build to the
// next: compiling vertices into a display list is the dearest part of a
// rebuild on the software rasteriser, and a rebuild after a sensor step
// leaves most meshes as they were. Each mesh owns four consecutive lists:
// fill and edges, each full and coarse, so the scene list calls them through
// the list base (0 full, 1 coarse). The lists die with the GL context.
class CMeshCache {
public:
  struct CEntry {
    unsigned int lists = 0; // first of four names; 0 for a mesh that draws nothing
    double min = 0.0;       // smallest and largest coordinate value of the
    double max = 0.0;       // full mesh, as the scene bounds count them
    unsigned int generation = 0;
    std::unique_ptr<std::array<CMeshGeometry, 2>> pending; // until compiled
  };

  static constexpr unsigned int kFillList = 0;
  static constexpr unsigned int kEdgeList = 2;

  // Starts a scene: meshes not used from here on are dropped afterwards.
  void BeginScene() { ++m_generation; }
  // The entry of the mesh, tessellated on first use; null when no list
  // names are left, and the caller draws the mesh itself.
  const CEntry* Use(const CMeshKey& key, const CMeshTessellation& tessellate);
  // Compiles the meshes met first since the last call. Needs the context
  // current and no display list being compiled.
  void CompilePending();
  // Deletes the lists of the meshes the scene since BeginScene did not use.
  void DropUnused();
  size_t Size() const { return m_entries.size(); }

private:
  std::unordered_map<CMeshKey, CEntry, CMeshKeyHash> m_entries;
  unsigned int m_generation = 0;
};

// While a scope is alive, the mesh primitives of this thread draw through its
// cache; a scope of null draws them directly. Scopes nest.
class CMeshCacheScope {
public:
  explicit CMeshCacheScope(CMeshCache* cache);
  ~CMeshCacheScope();
  CMeshCacheScope(const CMeshCacheScope&) = delete;
  CMeshCacheScope& operator=(const CMeshCacheScope&) = delete;

private:
  CMeshCache* m_previous;
};

// Draws a mesh primitive's fill and edge passes in the given colours (see
// DrawMeshPasses): through the current cache when a scope is open, else
// directly.
void DrawCachedMesh(const CMeshKey& key, const CVector& lineColour, const CVector& fillColour, bool outline, bool fill,
                    const CMeshTessellation& tessellate);

// Chooses the meshes' detail for the scene lists called afterwards.
void SelectMeshDetail(MeshDetail detail);
