#pragma once

// Compiles the coordinate axes of the given length into a new display list
// of the current context: x red, y green, z blue, each a line from the
// origin with a cone at its end. Returns the list name, 0 when none could be
// made.
unsigned int CompileAxesList(double length);
