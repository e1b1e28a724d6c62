#pragma once

#include "Vector.h"

#include <cstddef>
#include <vector>

// Outlines of flat faces, collected while a scene list is compiled and drawn
// after all fills. Every switch between a fill and an outline ends a draw in
// the software rasteriser, so a scene of many faces costs a draw per switch;
// the depth layers keep outlines in front of their fills whatever the order.
class COutlineBatch {
public:
  // The loop through the vertices, carried into the scene by toWorld.
  void Add(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front);
  // Draws the loops unlit in their depth layers; the modelview must be the
  // scene's own, as at the end of the scene list.
  void Draw() const;
  bool IsEmpty() const { return m_loops.empty(); }

private:
  struct CLoop {
    size_t first;
    size_t count;
    CVector colour;
    bool front;
  };

  std::vector<CVector> m_points;
  std::vector<CLoop> m_loops;
};

// While a scope is alive, DeferOutline on this thread hands outlines to its
// batch. Scopes nest: the previous batch comes back on exit.
class COutlineBatchScope {
public:
  explicit COutlineBatchScope(COutlineBatch& batch);
  ~COutlineBatchScope();
  COutlineBatchScope(const COutlineBatchScope&) = delete;
  COutlineBatchScope& operator=(const COutlineBatchScope&) = delete;

private:
  COutlineBatch* m_previous;
};

// Hands the outline to the batch of the scene being compiled, adding its
// local coordinates to the scene bounds as drawing it would; FALSE when no
// batch is open and the caller draws the outline itself.
bool DeferOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front);
