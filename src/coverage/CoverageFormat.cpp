#include "CoverageFormat.h"

#include <cstdio>

namespace {

std::string Format(const char* format, double value)
{
  // Room for the widest double in "%f".
  char text[512];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

} // namespace

std::string FormatSquareMetres(double area)
{
  return Format("%.6f", area);
}

std::string FormatSharePercent(double watched, double area)
{
  return Format("%.1f", area > 0.0 ? 100.0 * watched / area : 0.0);
}
