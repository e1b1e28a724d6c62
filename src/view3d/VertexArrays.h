#pragma once

#include "Vector.h"

#include <cstdint>
#include <vector>

// Vertices with a normal and a colour each, held as GL client arrays, with
// indices when they are drawn indexed. The caller enables the client arrays.
struct CVertexArrays {
  std::vector<float> points;
  std::vector<float> normals;
  std::vector<float> colours;
  std::vector<std::uint32_t> indices;

  // The index the next vertex gets.
  std::uint32_t NextIndex() const { return static_cast<std::uint32_t>(points.size() / 3); }
  void Add(const CVector& point, const CVector& normal, const CVector& colour);
  void Clear();
  // All vertices in order (glDrawArrays), or those the indices name
  // (glDrawElements); normals only where withNormals (lit passes).
  void Draw(unsigned int mode, bool withNormals) const;
  void DrawIndexed(unsigned int mode, bool withNormals) const;

private:
  void Bind(bool withNormals) const;
};
