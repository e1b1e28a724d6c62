#include "PlanOptions.h"

#include "BuiltinModels.h"

#include "TextEncoding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

constexpr const char* kVariantNames[] = {"wall", "ceiling", "corner"};

std::vector<std::string> SplitAt(const std::string& text, char separator)
{
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Exactly `low` to `high` comma-separated finite numbers.
std::string ParseNumbers(const std::string& word, size_t low, size_t high, std::vector<double>& values)
{
  std::vector<std::string> parts = SplitAt(word, ',');
  if (parts.size() < low || parts.size() > high)
    return "'" + word + "' needs " + std::to_string(low) + (low == high ? "" : " or " + std::to_string(high)) +
           " numbers separated by commas";
  values.resize(parts.size());
  for (size_t k = 0; k < parts.size(); ++k)
    if (std::string error = ParsePlanNumber(parts[k], values[k]); !error.empty())
      return error;
  return {};
}

std::string Number(double value)
{
  char text[40];
  std::snprintf(text, sizeof text, "%.16g", value);
  return text;
}

std::string Point(const CPlanPoint& p)
{
  return Number(p.x) + "," + Number(p.y);
}

std::string Polygon(const CPlanPolygon& polygon)
{
  std::string text;
  for (const CPlanPoint& p : polygon)
    text += (text.empty() ? "" : " ") + Point(p);
  return text;
}

} // namespace

std::string ParsePlanNumber(const std::string& word, double& value)
{
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  if (word.empty() || *end != '\0' || !std::isfinite(value))
    return "'" + word + "' is not a finite number";
  return {};
}

std::string ParsePlanPoint(const std::string& word, CPlanPoint& point)
{
  std::vector<double> values;
  std::string error = ParseNumbers(word, 2, 2, values);
  if (error.empty())
    point = {values[0], values[1]};
  return error;
}

std::string ParsePlanPolygon(const std::string& word, CPlanPolygon& polygon)
{
  std::istringstream corners(word);
  std::string corner;
  polygon.clear();
  while (corners >> corner) {
    CPlanPoint point;
    if (std::string error = ParsePlanPoint(corner, point); !error.empty())
      return error;
    polygon.push_back(point);
  }
  return {};
}

std::string ParsePlanIndex(const std::string& word, size_t& index)
{
  if (word.empty() || word.size() > 6 || word.find_first_not_of("0123456789") != std::string::npos)
    return "'" + word + "' is not an index (0, 1, 2, ...)";
  index = std::stoul(word);
  return {};
}

std::string ParsePlanDoor(const std::string& word, CPlanDoor& door)
{
  const size_t comma = word.find(',');
  std::vector<double> values;
  std::string error = ParsePlanIndex(word.substr(0, comma), door.wall);
  if (error.empty())
    error = comma == std::string::npos ? "'" + word + "' needs K,D,W,H"
                                       : ParseNumbers(word.substr(comma + 1), 3, 3, values);
  if (error.empty()) {
    door.offset = values[0];
    door.width = values[1];
    door.height = values[2];
  }
  return error;
}

std::string ParsePlanObstacle(const std::string& word, CPlanObstacle& obstacle)
{
  std::vector<double> values;
  std::string error = ParseNumbers(word, 5, 6, values);
  if (error.empty())
    obstacle = {{values[0], values[1]}, values[2], values[3], values[4], values.size() == 6 ? values[5] : 0.0};
  return error;
}

std::string ParsePlanZone(const std::string& word, CPlanZone& zone)
{
  const size_t colon = word.find(':');
  if (colon == std::string::npos)
    return "'" + word + "' needs NAME:X,Y X,Y ...";
  zone.name = Utf8ToCp1252(word.substr(0, colon));
  return ParsePlanPolygon(word.substr(colon + 1), zone.corners);
}

std::string FormatPlanOptions(const CRoomPlan& plan)
{
  std::string text = "--outline " + Polygon(plan.outline) + "\n";
  text += "--height " + Number(plan.height) + "\n";
  text += std::string("--variant ") + kVariantNames[static_cast<size_t>(plan.variant)] + "\n";
  text += "--wall " + std::to_string(plan.sensorWall) + "\n";
  text += "--offset " + Number(plan.sensorOffset.value_or(0.0)) + "\n";
  text += "--at " + Point(plan.sensorAt.value_or(CPlanPoint{})) + "\n";
  text += "--corner " + std::to_string(plan.sensorCorner.value_or(0)) + "\n";
  for (const CPlanDoor& door : plan.doors)
    text += "--door " + std::to_string(door.wall) + "," + Number(door.offset) + "," + Number(door.width) + "," +
            Number(door.height) + "\n";
  for (const CPlanObstacle& o : plan.obstacles)
    text += "--obstacle " + Point(o.centre) + "," + Number(o.width) + "," + Number(o.depth) + "," + Number(o.height) +
            "," + Number(o.angle) + "\n";
  for (const CPlanZone& zone : plan.zones)
    text += "--zone " + Cp1252ToUtf8(zone.name) + ":" + Polygon(zone.corners) + "\n";
  return text;
}

std::string ParseVariant(const std::string& word, RoomVariant& variant)
{
  static constexpr const char* kNames[] = {"wall", "ceiling", "corner"};
  for (int i = 0; i < 3; ++i)
    if (word == kNames[i]) {
      variant = static_cast<RoomVariant>(i);
      return {};
    }
  return "--variant: unknown variant '" + word + "' (wall, ceiling or corner)";
}

int FindModel(const std::string& name)
{
  return FindBuiltinModelCode(IsBuiltinModelName(name) ? name : kBuiltinModelMark + name);
}

std::string SplitOptions(const std::vector<std::string>& args, std::span<const char* const> singleOptions,
                         std::span<const char* const> repeatedOptions, COptionLine& line)
{
  auto isOneOf = [](const std::string& name, std::span<const char* const> names) {
    for (const char* candidate : names)
      if (name == candidate)
        return true;
    return false;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name.rfind("--", 0) != 0) {
      line.words.push_back(name);
      continue;
    }
    const bool single = isOneOf(name, singleOptions);
    if (!single && !isOneOf(name, repeatedOptions))
      return "unknown option " + name;
    if (single && line.single.count(name))
      return name + " is given twice";
    if (i + 1 == args.size())
      return name + " needs a value";
    if (single)
      line.single[name] = args[++i];
    else
      line.repeated[name].push_back(args[++i]);
  }
  return {};
}
