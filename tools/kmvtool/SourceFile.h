#pragma once

#include "Messages.h"
#include "Project.h"
#include "TextBuffer.h"

#include <string>

// Exit statuses of kmvtool.
// kExitNoFreeSetting: "optimize --keep-zones-free" found no setting that keeps the zones free.
enum ExitStatus { kExitOk = 0, kExitUnreadable = 1, kExitUsage = 2, kExitNoFreeSetting = 3 };

// Reads a SOURCE: a path ending in ".kmv" is scrambled, any other path is
// plain project text. On failure the German reason is in error.
bool ReadSource(const std::string& source, CTextBuffer& text, std::string& error);

// A path ending in ".kmv" names a scrambled file.
bool IsScrambledPath(const std::string& path);

// Prints the core's messages as one line each on stderr, in UTF-8.
class CStderrMessages : public CMessageSink {
public:
  void ShowMessage(const std::string& caption, const std::string& text) override;
};

// One error line on stderr, given in Windows-1252.
void PrintError(const std::string& text);

// A project loaded from a SOURCE through CProject::Load, with its messages
// on stderr.
class CLoadedProject {
public:
  CLoadedProject() { m_project.SetMessageSink(&m_messages); }

  // Returns the exit status; a format error is reported with its line and
  // leaves the entries read before it.
  int Load(const std::string& source);

  CTextBuffer m_text;
  CProject m_project;

private:
  CStderrMessages m_messages;
};
