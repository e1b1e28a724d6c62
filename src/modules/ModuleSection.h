#pragma once

#include <string_view>

class CModuleTable;
class CTextBuffer;

// Appends "\nbegin-sim-module", every module's record in storage order and
// "\nend-sim-module\n".
void WriteModuleSection(CTextBuffer& out, const CModuleTable& modules);

// Hands each module record between "begin-sim-module" and "end-sim-module"
// to its module. Lines outside the section, unknown words and the records
// of "SMF1" and "ADE1" (modules the program does not have) are skipped.
void ReadModuleSection(std::string_view text, CModuleTable& modules);
