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
