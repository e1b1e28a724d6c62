#include "SensorValues.h"

#include "Messages.h"

#include <cstdio>

namespace {

// Large enough for any double in %.2f and the fixed words around it.
constexpr size_t kLineSize = 512;

} // namespace

std::array<std::string, 3> FormatSensorStatus(const SensorValues& values)
{
  char height[kLineSize];
  char tilt[kLineSize];
  char turn[kLineSize];
  std::snprintf(height, sizeof height, " MH:  %.2f m", values.height);
  std::snprintf(tilt, sizeof tilt, " KW:  %.1f \xB0", values.tilt);
  std::snprintf(turn, sizeof turn, " DW:  %.1f \xB0", values.turn);
  return {height, tilt, turn};
}

std::string FormatSensorHeader(const SensorValues& values)
{
  char line[kLineSize];
  std::string format = LoadString(IDS_SENSOR_HEADER);
  std::snprintf(line, sizeof line, format.c_str(), values.height, values.tilt, values.turn);
  return line;
}
