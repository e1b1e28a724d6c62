#include "Vector.h"

#include "RecordCursor.h"
#include "RecordText.h"

#include <cmath>
#include <utility>

double CVector::Length() const
{
  return std::sqrt(x * x + y * y + z * z);
}

CVector& CVector::Normalize()
{
  // No guard: a zero vector turns into non-numbers, which the inside tests
  // of the intersection routines rely on to reject degenerate edges.
  double f = 1.0 / Length();
  x *= f;
  y *= f;
  z *= f;
  return *this;
}

bool CVector::Read(CRecordCursor& line)
{
  CRecordCursor cursor = line;
  CVector v;
  if (!cursor.ReadDouble(v.x) || !cursor.ReadDouble(v.y) || !cursor.ReadDouble(v.z))
    return false;
  *this = v;
  line = cursor;
  return true;
}

void CVector::Write(CTextBuffer& out) const
{
  AppendDoubleField(out, x);
  AppendDoubleField(out, y);
  AppendDoubleField(out, z);
}

CVector Cross(const CVector& a, const CVector& b)
{
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void CMatrix::SetIdentity()
{
  for (int i = 0; i < 16; ++i)
    m[i] = (i % 5 == 0) ? 1.0 : 0.0;
}

void CMatrix::MultiplyRight(const double* x)
{
  double t[16];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k)
        sum += m[i * 4 + k] * x[k * 4 + j];
      t[i * 4 + j] = sum;
    }
  for (int i = 0; i < 16; ++i)
    m[i] = t[i];
}

void CMatrix::Rotate(double angle, int axis)
{
  // Any other axis number would index outside the matrix; it leaves M as is.
  if (axis < 0 || axis > 2)
    return;
  int a = (axis + 1) % 3;
  int b = (axis + 2) % 3;
  double c = std::cos(angle);
  double s = std::sin(angle);
  double r[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  r[a * 4 + a] = c;
  r[b * 4 + b] = c;
  r[a * 4 + b] = s;
  r[b * 4 + a] = -s;
  MultiplyRight(r);
}

void CMatrix::Translate(const CVector& v)
{
  double t[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, v.x, v.y, v.z, 1};
  MultiplyRight(t);
}

namespace {

// Brings the row with the largest |entry| in column col (rows col..3) to row
// col by one bubble pass from the bottom up; ties keep their order.
void BubblePivot(double (&a)[4][8], int col)
{
  for (int r = 3; r > col; --r)
    if (std::fabs(a[r - 1][col]) < std::fabs(a[r][col]))
      std::swap(a[r - 1], a[r]);
}

void EliminateBelow(double (&a)[4][8], int col)
{
  for (int r = col + 1; r < 4; ++r) {
    double f = a[r][col] / a[col][col];
    for (int j = col; j < 8; ++j)
      a[r][j] -= f * a[col][j];
  }
}

} // namespace

bool Invert(const CMatrix& source, CMatrix& target)
{
  // Works on the transpose of the stored array and writes the result back
  // transposed, which gives the inverse of the stored matrix itself.
  double a[4][8];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      a[i][j] = source[j * 4 + i];
      a[i][4 + j] = (i == j) ? 1.0 : 0.0;
    }

  for (int col = 0; col < 3; ++col) {
    BubblePivot(a, col);
    if (a[col][col] == 0.0)
      return false;
    EliminateBelow(a, col);
  }
  if (a[3][3] == 0.0)
    return false;

  for (int r = 3; r >= 0; --r) {
    double pivot = a[r][r];
    for (int j = r; j < 8; ++j)
      a[r][j] /= pivot;
    for (int q = 0; q < r; ++q) {
      double f = a[q][r];
      for (int j = r; j < 8; ++j)
        a[q][j] -= f * a[r][j];
    }
  }

  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      target[j * 4 + i] = a[i][4 + j];
  return true;
}

CVector TransformDirection(const CMatrix& m, const CVector& d)
{
  return {d.x * m[0] + d.y * m[4] + d.z * m[8], d.x * m[1] + d.y * m[5] + d.z * m[9],
          d.x * m[2] + d.y * m[6] + d.z * m[10]};
}

CVector TransformPoint(const CMatrix& m, const CVector& p)
{
  return TransformDirection(m, p) + CVector(m[12], m[13], m[14]);
}

CVector EllipsePoint(double a, double b, double t)
{
  return {a * std::cos(t), b * std::sin(t), 0.0};
}

CVector EllipsoidPoint(double a, double b, double c, double phi, double theta)
{
  double s = std::sin(theta);
  return {a * std::cos(phi) * s, b * std::sin(phi) * s, c * std::cos(theta)};
}
