#pragma once

#include "Vector.h"

// Drawing primitives for the entries' Draw operations. Every coordinate they
// emit (vertices and translations, in the entry's own frame) goes into the
// bounds of the scene being compiled (SceneBounds.h). Colours are red, green,
// blue in [0, 1], carried in a vector's x, y, z. Angles of the mesh
// primitives are radians.

// Upper bound of the segment and step counts of the mesh primitives and of
// the slices and stacks of a sphere; larger counts are cut to it.
inline constexpr int kMaxSegments = 512;
// A line family that would need more lines than this draws nothing.
inline constexpr int kMaxFamilyLines = 10000;

// glBegin(mode), then the colour, so that every vertex carries it. Unlit
// drawing begins so: a colour held as current state is a fragment state of
// its own, which llvmpipe compiles afresh for each context, rasteriser setup
// included.
void GLBeginColoured(unsigned int mode, const CVector& colour);
void GLVertex2(double x, double y);
void GLVertex3(double x, double y, double z);
void GLVertex3v(const CVector& v);
void GLTranslate(const CVector& v);
// Angles in degrees about x, y and z; a point is turned about x first.
void GLRotate(const CVector& anglesDeg);

// Depth ranges that let coplanar outlines win over fills, and generated
// patches (front) win over the surfaces they lie on.
enum class DepthLayer { Default, Fill, FillFront, Outline, OutlineFront, GridLines };

struct CDepthRange {
  double zNear;
  double zFar;
};

CDepthRange DepthLayerRange(DepthLayer layer);
void SetDepthLayer(DepthLayer layer);

// gluSphere with one quadric shared by the program, filled, smooth normals.
void DrawSphere(double radius, int slices, int stacks);
// Cube of the given edge centred on the origin, with face normals.
void DrawCube(double size);

// Part of the ellipsoid with semi-axes r*fx, r*fy, r*fz between two azimuths
// (phi, from x towards y) and two polar angles (theta, from +z).
void DrawEllipsoidPatch(double r, double fx, double fy, double fz, double phiStart, double phiEnd, double thetaStart,
                        double thetaEnd, int phiSteps, int thetaSteps, const CVector& lineColour,
                        const CVector& fillColour, bool outline, bool fill);

// Sector of the elliptic ring (a disc for inner radius 0) on the plane
// z = slopeX*x + slopeY*y + offsetZ.
void DrawEllipticRing(double innerRadius, double outerRadius, double fx, double fy, double offsetZ, double slopeX,
                      double slopeY, double start, double end, int segments, const CVector& lineColour,
                      const CVector& fillColour, bool outline, bool fill);

// Lateral surface of a cone about z whose radius runs linearly from radius1
// at level1 to radius2 at level2, cut by z = slopeX1*x + slopeY1*y + level1
// and z = slopeX2*x + slopeY2*y + level2, cross-section stretched by fx, fy.
// Always a lit fill in the fill colour: a cone has no outline.
void DrawConeSurface(double radius1, double slopeX1, double slopeY1, double level1, double radius2, double slopeX2,
                     double slopeY2, double level2, double fx, double fy, double start, double end, int segments,
                     const CVector& fillColour);

// Region between an elliptic arc (semi-axes r*fx, r*fy) and its chord, on the
// plane z = slopeX*x + slopeY*y + offsetZ.
void DrawEllipticSegment(double r, double fx, double fy, double offsetZ, double slopeX, double slopeY, double start,
                         double end, int segments, const CVector& lineColour, const CVector& fillColour, bool outline,
                         bool fill);

// Parallel lines in the z = 0 plane at first, first +- step, ... (positions
// accumulated by repeated addition) as long as they do not pass the limit.
struct CLineFamily {
  bool vertical = true; // lines x = position from y = from to y = to; else y = position
  double first = 0.0;
  double step = 1.0; // spacing, must be positive
  bool descending = false;
  double limit = 0.0; // last admissible position, inclusive
  double from = 0.0;
  double to = 0.0;
  int skipEvery = 0; // every skipEvery-th line is left out; 0 or less: none
};

// Draws the family as GL_LINES in the colour and the current width; returns
// the number of lines drawn. A step that is not positive, or a family of more
// than kMaxFamilyLines positions, draws nothing.
int DrawLineFamily(const CLineFamily& family, const CVector& colour);
