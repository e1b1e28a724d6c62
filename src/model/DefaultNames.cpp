#include "DefaultNames.h"

#include <array>

namespace {

constexpr std::array<const char*, static_cast<size_t>(DefaultNameKind::Count)> kPrefixes{
    "group",    "system",          "model",  "lib",          "n",       "n",       "x",    "Vern\xFCpfung ",
    "s",        "Verkn\xFCpfung ", "Punkt ", "Punktmatrix ", "Punkte ", "polygon", "rect", "grid",
    "Segment ", "ellipsoid",       "conus",  "line",         "ellipse",
};

std::array<int, static_cast<size_t>(DefaultNameKind::Count)> g_counters{};

} // namespace

std::string NextDefaultName(DefaultNameKind kind)
{
  auto index = static_cast<size_t>(kind);
  return kPrefixes[index] + std::to_string(g_counters[index]++);
}
