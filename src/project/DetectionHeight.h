#pragma once

class CProject;

// The document's detection height in metres, kept as a hidden number
// "Erfassungshöhe" at the end of the root group, beside the room; a project
// without it has 0 and is written as before.
constexpr const char* kDetectionHeightName = "Erfassungsh\xf6he";

double ReadDetectionHeight(CProject& project);
// Adds the entry on the first change; a height set back to 0 keeps it.
void WriteDetectionHeight(CProject& project, double height);
