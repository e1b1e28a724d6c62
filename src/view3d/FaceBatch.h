#pragma once

#include "Vector.h"

#include <cstddef>
#include <vector>

// Fills and outlines of flat faces, collected while a scene list is compiled
// and drawn after all other entries: fills in one run of triangles, then
// outlines in one run of lines, each per depth layer. Every draw and every
// state switch between draws is costly in the software rasteriser; the depth
// layers keep the picture the same whatever the order.
class CFaceBatch {
public:
  // The face through the vertices, carried into the scene by toWorld; the
  // normal turns with its rotation only.
  void AddFill(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& normal, const CVector& colour,
               bool front);
  // The loop through the vertices, carried into the scene by toWorld.
  void AddOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front);
  // Draws the fills lit, then the loops unlit, in their depth layers; the
  // modelview must be the scene's own, as at the end of the scene list.
  void Draw() const;
  bool IsEmpty() const { return m_fills.empty() && m_loops.empty(); }

private:
  struct CLoop {
    size_t first;
    size_t count;
    CVector colour;
    bool front;
  };
  struct CFill : CLoop {
    CVector normal;
  };

  CLoop AddLoop(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front);
  void DrawFills() const;
  void DrawOutlines() const;

  std::vector<CVector> m_points;
  std::vector<CFill> m_fills;
  std::vector<CLoop> m_loops;
};

// While a scope is alive, DeferFill and DeferOutline on this thread hand
// faces to its batch; with no batch, faces draw at once. Scopes nest: the
// previous batch comes back on exit.
class CFaceBatchScope {
public:
  explicit CFaceBatchScope(CFaceBatch* batch);
  explicit CFaceBatchScope(CFaceBatch& batch) : CFaceBatchScope(&batch) {}
  ~CFaceBatchScope();
  CFaceBatchScope(const CFaceBatchScope&) = delete;
  CFaceBatchScope& operator=(const CFaceBatchScope&) = delete;

private:
  CFaceBatch* m_previous;
};

// Hand the fill or the outline to the batch of the scene being compiled,
// adding their local coordinates to the scene bounds as drawing them would;
// FALSE when no batch is open and the caller draws them itself.
bool DeferFill(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& normal, const CVector& colour,
               bool front);
bool DeferOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front);
