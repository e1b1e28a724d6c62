#pragma once

#include <string>

// kmvtool commands on the entry tree and the file bytes; each returns the
// exit status.
int RunTextCommand(const std::string& source);
int RunTreeCommand(const std::string& source);
int RunGetCommand(const std::string& source, const std::string& path);
int RunScrambleCommand(const std::string& file);
