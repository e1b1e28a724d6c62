#include "TableFigures.h"

#include <algorithm>
#include <cstdio>

namespace {

// Entry names hold no ".": EntryPath joins them with it.
std::string LastName(const std::string& path)
{
  size_t dot = path.rfind('.');
  return dot == std::string::npos ? path : path.substr(dot + 1);
}

std::string GroupName(const std::string& path)
{
  size_t dot = path.rfind('.');
  return dot == std::string::npos ? std::string() : LastName(path.substr(0, dot));
}

} // namespace

std::vector<std::string> SurfaceDisplayNames(const std::vector<std::string>& paths)
{
  std::vector<std::string> names;
  for (const std::string& path : paths)
    names.push_back(LastName(path));
  std::vector<std::string> shown = names;
  for (size_t i = 0; i < paths.size(); ++i) {
    bool shared = std::count(names.begin(), names.end(), names[i]) > 1;
    if (shared && !GroupName(paths[i]).empty())
      shown[i] = names[i] + " (" + GroupName(paths[i]) + ")";
  }
  return shown;
}

std::string FormatReadableArea(double area)
{
  // Room for the widest double in "%f".
  char text[512];
  std::snprintf(text, sizeof text, "%.2f", area);
  return text;
}
