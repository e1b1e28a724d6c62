#pragma once

#include <string_view>

class CTextBuffer;

// Model codes of the four sensor documents.
constexpr int kSensorModelCodes[] = {1, 4, 7, 10};

// Model code of a library name, 0 when the name names no library model.
int FindLibraryModelCode(std::string_view libraryName);
// Resource number that holds the model of a code.
int ModelResourceNumber(int modelCode);
// Fills text with the unscrambled project text of a built-in model;
// FALSE for code 0 or a missing resource.
bool LoadModelResource(int modelCode, CTextBuffer& text);
