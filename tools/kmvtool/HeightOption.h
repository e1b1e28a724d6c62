#pragma once

#include <string>

class CProject;

// The value of "--at-height Z"; not a number when Z is none, so that the
// check refuses it in one line.
double ParseDetectionHeight(const std::string& text);

// FALSE, reported on stderr in one line, when the height is not a finite
// number of at least 0 or, above 0, not below the limit of the project's
// last CAD1 run (RaisedFloor.h).
bool CheckDetectionHeight(CProject& project, double height);
