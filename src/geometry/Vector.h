#pragma once

#include <vector>

class CRecordCursor;
class CTextBuffer;

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;

// Point or direction in metres; z points up.
struct CVector {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  constexpr CVector() = default;
  constexpr CVector(double xValue, double yValue, double zValue) : x(xValue), y(yValue), z(zValue) {}

  double Length() const;
  double Dot(const CVector& v) const { return x * v.x + y * v.y + z * v.z; }
  // Scales to unit length in place; a zero vector becomes non-numbers.
  CVector& Normalize();

  // Reads three numbers from the front of a record; on failure nothing is
  // consumed and the vector is unchanged.
  bool Read(CRecordCursor& line);
  // Appends "%.15e %.15e %.15e " to a record.
  void Write(CTextBuffer& out) const;

  friend bool operator==(const CVector&, const CVector&) = default;
};

CVector Cross(const CVector& a, const CVector& b);
inline CVector operator+(const CVector& a, const CVector& b)
{
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline CVector operator-(const CVector& a, const CVector& b)
{
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline CVector operator-(const CVector& a)
{
  return {-a.x, -a.y, -a.z};
}
inline CVector operator*(const CVector& a, double f)
{
  return {a.x * f, a.y * f, a.z * f};
}
inline CVector operator*(double f, const CVector& a)
{
  return a * f;
}

// Owning array of vectors: polygon vertices, generated points, hit lists.
using CVectorArray = std::vector<CVector>;

// 4x4 transform in OpenGL element order, used with row vectors: element
// i*4+j is row i, column j, and a point p maps to p*M.
class CMatrix {
public:
  CMatrix() { SetIdentity(); }

  void SetIdentity();
  // M := M*R, R the rotation by angle (radians) about axis 0 (x), 1 (y) or 2 (z).
  void Rotate(double angle, int axis);
  // M := M*T, T the translation by v.
  void Translate(const CVector& v);

  double& operator[](int i) { return m[i]; }
  double operator[](int i) const { return m[i]; }
  const double* Data() const { return m; }

  friend bool operator==(const CMatrix&, const CMatrix&) = default;

private:
  void MultiplyRight(const double* x);

  double m[16];
};

// target := source^-1 by Gauss-Jordan elimination; FALSE and target
// untouched for a singular matrix.
bool Invert(const CMatrix& source, CMatrix& target);
CVector TransformPoint(const CMatrix& m, const CVector& p);
// The direction turned by the rotation part of m, without its translation.
CVector TransformDirection(const CMatrix& m, const CVector& d);

// (a cos t, b sin t, 0), t in radians.
CVector EllipsePoint(double a, double b, double t);
// Azimuth phi from x towards y, polar angle theta from +z; radians.
CVector EllipsoidPoint(double a, double b, double c, double phi, double theta);
