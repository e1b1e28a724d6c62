#pragma once

// Smallest and largest coordinate value that the primitives emitted while a
// scene was compiled. x, y and z values all go into the same pair, which is
// enough to size the projection and the camera distance.
struct CSceneBounds {
  double min = 1e300;
  double max = -1e300;

  void Reset();
  // Values that are not finite are ignored, so one broken entry cannot wreck
  // the projection of the whole scene.
  void Add(double value);
  bool IsEmpty() const { return min > max; }
};

// While a scope is alive, the primitives of this thread add their coordinates
// to its bounds. Scopes nest: the previous target comes back on exit.
class CSceneBoundsScope {
public:
  explicit CSceneBoundsScope(CSceneBounds& bounds);
  ~CSceneBoundsScope();
  CSceneBoundsScope(const CSceneBoundsScope&) = delete;
  CSceneBoundsScope& operator=(const CSceneBoundsScope&) = delete;

private:
  CSceneBounds* m_previous;
};

// Bounds of the scene being compiled on this thread, null outside a scope.
CSceneBounds* CurrentSceneBounds();

// Adds the value to the current bounds, if a scope is open.
void AddToSceneBounds(double value);
