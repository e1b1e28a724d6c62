#pragma once

#include <string>

// Square metres as kmvtool coverage prints them ("%.6f").
std::string FormatSquareMetres(double area);

// The watched share as kmvtool coverage prints it: 100 x watched / area
// ("%.1f"), "0.0" without area.
std::string FormatSharePercent(double watched, double area);
