#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

struct CCommandResult {
  int exitStatus = -1;
  std::string output;
};

// Runs a shell command line and collects its standard output.
inline CCommandResult RunShell(const std::string& command)
{
  CCommandResult result;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe)
    return result;
  char buffer[4096];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    result.output.append(buffer, got);
  int status = pclose(pipe);
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Pages of a PDF file (given as one shell word) as pdfinfo counts them; -1
// when pdfinfo is missing or names no count.
inline int PdfPageCount(const std::string& pdfWord)
{
  const std::string info = RunShell("pdfinfo " + pdfWord + " 2>/dev/null").output;
  const size_t at = info.find("Pages:");
  int pages = -1;
  if (at == std::string::npos || std::sscanf(info.c_str() + at, "Pages: %d", &pages) != 1)
    return -1;
  return pages;
}
