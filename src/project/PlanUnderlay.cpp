#include "PlanUnderlay.h"

#include "ItemDouble.h"
#include "ItemGroup.h"
#include "ItemPoint.h"
#include "ItemWord.h"
#include "RecordText.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

namespace {

constexpr double kDefaultWidth = 20.0;

bool IsPlainByte(unsigned char c)
{
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '/';
}

std::string Encode(const std::string& bytes)
{
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsPlainByte(byte)) {
      text += c;
      continue;
    }
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
    text += escaped;
  }
  return text;
}

std::optional<std::string> Decode(const std::string& text)
{
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      bytes += text[i];
      continue;
    }
    unsigned int byte = 0;
    if (i + 2 >= text.size() || std::sscanf(text.substr(i + 1, 2).c_str(), "%2X", &byte) != 1)
      return std::nullopt;
    bytes += static_cast<char>(byte);
    i += 2;
  }
  return bytes;
}

template <class T> std::unique_ptr<T> Named(const char* name)
{
  auto entry = std::make_unique<T>();
  entry->m_strName = name;
  return entry;
}

std::unique_ptr<CItemDouble> Number(const char* name, double value)
{
  auto number = Named<CItemDouble>(name);
  number->m_value = value;
  number->m_min = -1e300;
  number->m_max = 1e300;
  return number;
}

template <class T> const T* Child(const CItemGroup& group, const char* name)
{
  return dynamic_cast<const T*>(group.FindChild(name));
}

} // namespace

std::unique_ptr<CItemGroup> MakeUnderlayGroup(const CPlanUnderlay& underlay)
{
  auto group = Named<CItemGroup>(kUnderlayGroupName);
  group->m_strDescription = Encode(underlay.file);
  auto page = Named<CItemWord>("Seite");
  page->m_nValue = static_cast<uint16_t>(underlay.page);
  page->m_nHigh = std::numeric_limits<uint16_t>::max();
  group->AddChild(std::move(page));
  group->AddChild(Number("Ma\xdfstab", underlay.scale));
  auto place = Named<CItemPoint>("Lage");
  place->m_position = {underlay.place.x, underlay.place.y, 0.0};
  group->AddChild(std::move(place));
  group->AddChild(Number("Deckkraft", underlay.opacity));
  return group;
}

std::optional<CPlanUnderlay> ReadUnderlayGroup(const CItemGroup& planGroup)
{
  const auto* group = Child<CItemGroup>(planGroup, kUnderlayGroupName);
  if (!group)
    return std::nullopt;
  const auto* page = Child<CItemWord>(*group, "Seite");
  const auto* scale = Child<CItemDouble>(*group, "Ma\xdfstab");
  const auto* place = Child<CItemPoint>(*group, "Lage");
  const auto* opacity = Child<CItemDouble>(*group, "Deckkraft");
  std::optional<std::string> file = Decode(group->m_strDescription);
  if (!page || !scale || !place || !opacity || !file)
    return std::nullopt;
  CRoomPlan check;
  check.underlay = CPlanUnderlay{
      *file, page->m_nValue, scale->m_value, {place->m_position.x, place->m_position.y}, opacity->m_value};
  if (CheckUnderlay(check))
    return std::nullopt;
  return check.underlay;
}

std::optional<std::string> StoredUnderlayName(const std::string& projectPath, const std::string& file)
{
  namespace fs = std::filesystem;
  const fs::path absolute = fs::absolute(fs::path(file)).lexically_normal();
  std::string stored = absolute.native();
  if (!projectPath.empty()) {
    const fs::path folder = fs::absolute(fs::path(projectPath)).parent_path();
    const fs::path relative = absolute.lexically_relative(folder);
    if (!relative.empty())
      stored = relative.native();
  }
  if (stored.empty() || Encode(stored).size() > kMaxDescriptionLength)
    return std::nullopt;
  return stored;
}

std::string UnderlayFilePath(const std::string& projectPath, const std::string& stored)
{
  namespace fs = std::filesystem;
  const fs::path path(stored);
  if (path.is_absolute() || projectPath.empty())
    return stored;
  return (fs::path(projectPath).parent_path() / path).native();
}

void RebaseUnderlayGroup(CItemGroup& planGroup, const std::string& fromPath, const std::string& toPath)
{
  std::optional<CPlanUnderlay> underlay = ReadUnderlayGroup(planGroup);
  auto* group = dynamic_cast<CItemGroup*>(planGroup.FindChild(kUnderlayGroupName));
  if (!underlay || !group)
    return;
  if (std::optional<std::string> stored = StoredUnderlayName(toPath, UnderlayFilePath(fromPath, underlay->file)))
    group->m_strDescription = Encode(*stored);
}

CPlanUnderlay FittedUnderlay(const CRoomPlan& plan, std::string file, size_t page, double width, double height)
{
  CPlanPoint centre;
  double planWidth = kDefaultWidth;
  if (!plan.outline.empty()) {
    const auto [low, high] = PolygonBounds(plan.outline);
    centre = {(low.x + high.x) / 2.0, (low.y + high.y) / 2.0};
    planWidth = std::max(high.x - low.x, 1.0);
  }
  const double scale = planWidth / width;
  // The picture's rows run down the page, towards -y in the plan.
  return {std::move(file), page, scale, {centre.x - width * scale / 2.0, centre.y + height * scale / 2.0}, 1.0};
}

std::optional<CPlanUnderlay> MeasuredUnderlay(const CPlanUnderlay& underlay, const CPlanPoint& from,
                                              const CPlanPoint& to, double distance)
{
  const double measured = std::hypot(to.x - from.x, to.y - from.y);
  if (!(measured > 0.0) || !(std::isfinite(distance) && distance > 0.0))
    return std::nullopt;
  const double factor = distance / measured;
  CPlanUnderlay scaled = underlay;
  scaled.scale *= factor;
  scaled.place = {from.x + (underlay.place.x - from.x) * factor, from.y + (underlay.place.y - from.y) * factor};
  return scaled;
}
