#pragma once

#include <string>

class CKMVDocument;

// kmvtool commands on the document; each returns the exit status.
// "save SOURCE OUT": opens as the program does and saves, scrambled when OUT
// ends in ".kmv". Saving over the source itself is refused after a format
// error, as the program's "Speichern" is.
int RunSaveCommand(const std::string& source, const std::string& out);
// Saves a document opened from the source as "save" does; outPath is
// absolute. FALSE when it could not be written.
bool SaveOpenedDocument(CKMVDocument& document, const std::string& source, const std::string& outPath);
// "models": the names of the built-in sensor models, one a line.
int RunModelsCommand();
