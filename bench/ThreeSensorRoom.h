#pragma once

#include <string>

// The plan room of the tool's sensor tests: 6 m wide, 8 m deep, 3 m high,
// Pilot B1 on wall 0, Pilot A1 on the ceiling at 4,1 and a second Pilot B1
// on wall 2 at offset 2. Returns the path of the project file (".kmv") it
// writes into the temporary folder, empty when it cannot be made.
std::string WriteThreeSensorRoom();
