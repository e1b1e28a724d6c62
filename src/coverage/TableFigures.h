#pragma once

#include <string>
#include <vector>

// Names and numbers of the coverage tables a planner reads (the dialog, the
// report); kmvtool keeps its paths and "%.6f".

// The target surfaces named as the project tree shows them, for tables a
// planner reads: each entry's own name ("Wand vorn"), and where two of the
// paths end in the same name, "Boden (Wandmontage)" with the group above it.
// Paths as EntryPath makes them; the names keep their encoding.
std::vector<std::string> SurfaceDisplayNames(const std::vector<std::string>& paths);

// Square metres to the hundredth ("%.2f").
std::string FormatReadableArea(double area);
