#pragma once

#include <string>
#include <vector>

// kmvtool add-sensor SOURCE MODEL OUT [--wall K] [--offset D] [--at X,Y]
// [--corner K] [--variant wall|ceiling|corner]
int RunAddSensorCommand(const std::vector<std::string>& args);
