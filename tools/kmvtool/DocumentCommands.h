#pragma once

#include <string>

// kmvtool commands on the document; each returns the exit status.
// "save SOURCE OUT": opens as the program does and saves, scrambled when OUT
// ends in ".kmv". Saving over the source itself is refused after a format
// error, as the program's "Speichern" is.
int RunSaveCommand(const std::string& source, const std::string& out);
// "models": the names of the built-in sensor models, one a line.
int RunModelsCommand();
