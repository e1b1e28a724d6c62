#pragma once

#include <string>
#include <vector>

// "room MODEL OUT --width W --depth D --height H [--variant wall|ceiling|corner]
// [--offset Y]": the project of the model in a rectangular room, opened as
// the program opens a document and saved as "save" saves it. A refused
// argument is one line on stderr with the usage status, an unknown model
// the unreadable status; either way OUT is not touched.
int RunRoomCommand(const std::vector<std::string>& args);
