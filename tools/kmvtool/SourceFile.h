#pragma once

#include "Messages.h"

#include <string>

class CTextBuffer;

// Exit statuses of kmvtool.
enum ExitStatus { kExitOk = 0, kExitUnreadable = 1, kExitUsage = 2 };

// Reads a SOURCE: a path ending in ".kmv" is scrambled, any other path is
// plain project text. On failure the German reason is in error.
bool ReadSource(const std::string& source, CTextBuffer& text, std::string& error);

// Prints the core's messages as one line each on stderr, in UTF-8.
class CStderrMessages : public CMessageSink {
public:
  void ShowMessage(const std::string& caption, const std::string& text) override;
};

// One error line on stderr, given in Windows-1252.
void PrintError(const std::string& text);
