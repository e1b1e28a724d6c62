#pragma once

#include "Vector.h"
#include "VertexArrays.h"

#include <cstddef>
#include <vector>

// Fills and outlines of flat faces, collected in world coordinates while a
// scene is built and drawn after the scene list from vertex arrays: the fills
// as one run of triangles, then the outlines as one run of lines, each per
// depth layer. Every draw and every state switch between draws is costly in
// the software rasteriser, and so is compiling vertices into a display list;
// the depth layers keep the picture the same whatever the order.
class CFaceBatch {
public:
  // The face through the vertices, carried into the scene by toWorld; the
  // normal turns with its rotation only.
  void AddFill(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& normal, const CVector& colour,
               bool front);
  // The loop through the vertices, carried into the scene by toWorld.
  void AddOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour, bool front);
  // The same in front, drawn twice as wide: what marks one set of faces
  // among others. One more draw only when there is any.
  void AddBoldOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour);
  // Empties the batch, keeping its memory for the next scene.
  void Clear();
  // Draws the fills lit, then the loops unlit, in their depth layers; the
  // modelview must be the scene's own, as after the scene list.
  void Draw() const;
  bool IsEmpty() const;

private:
  CVertexArrays m_fills[2]; // behind, in front
  CVertexArrays m_lines[2];
  CVertexArrays m_boldLines;
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
bool DeferBoldOutline(const CMatrix& toWorld, const CVectorArray& vertices, const CVector& colour);
