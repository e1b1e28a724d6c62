#pragma once

// Replaces the process by kmvtool-print, found beside this program, with
// the command word ("print" or "report") and its arguments. Returns only
// when that fails, with the exit status (the error already reported).
int LaunchPrintCommand(int argc, char** argv);
