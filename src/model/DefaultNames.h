#pragma once

#include <string>

// Kinds of entries that get a default name when inserted. Each kind counts
// on its own, from 0 at program start, across all open projects.
enum class DefaultNameKind {
  Group,
  System,
  Include,
  Library,
  Word,
  Choice,
  Number,
  NumberLink,
  Switch,
  SwitchLink,
  Point,
  PointMatrix,
  PointArc,
  Polygon,
  Rectangle,
  Grid,
  Segment,
  Ellipsoid,
  Cone,
  Line,
  Ellipse,
  Count
};

// Prefix of the kind followed by its counter, which then counts up.
std::string NextDefaultName(DefaultNameKind kind);
