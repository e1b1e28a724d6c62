#pragma once

#include <array>
#include <string>

// The sensor's setting as last read with the modules MH1, DW1 and KW1:
// mounting height in metres, turn and tilt angles in degrees.
struct SensorValues {
  double height = 0.0;
  double turn = 0.0;
  double tilt = 0.0;
};

// The three status-bar texts in pane order: height, tilt, turn
// (Windows-1252, the degree sign as 0xB0).
std::array<std::string, 3> FormatSensorStatus(const SensorValues& values);
// The print header line: height, tilt and turn in one sentence.
std::string FormatSensorHeader(const SensorValues& values);
