#pragma once

#include <string>
#include <vector>

// "room MODEL OUT (--width W --depth D | --outline "X,Y X,Y ...") --height H
// [--variant wall|ceiling|corner] [--wall K] [--offset D] [--at X,Y]
// [--corner K] [--door K,D,W,H]... [--obstacle X,Y,W,D,H[,A]]...
// [--zone "NAME:X,Y X,Y ..."]...": the project of the model in the room of
// the plan, opened as the program opens a document and saved as "save"
// saves it. A refused argument is one line on stderr naming the option with
// the usage status, an unknown model the unreadable status; either way OUT
// is not touched.
int RunRoomCommand(const std::vector<std::string>& args);

// "plan SOURCE": the options of "room" that make the source's plan, one per
// line; the unreadable status and one line when the project has none.
int RunPlanCommand(const std::string& source);
