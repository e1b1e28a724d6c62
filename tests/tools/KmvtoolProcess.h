#pragma once

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct CCommandResult {
  int exitStatus = -1;
  std::string output;
};

// Runs kmvtool with the arguments (quoted by the test) and collects stdout;
// stderr is dropped unless it is asked for, then it follows stdout.
inline CCommandResult Kmvtool(const std::string& arguments, bool withErrors = false)
{
  CCommandResult result;
  std::string command = std::string(KMVTOOL_PATH) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
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

// One shell word.
inline std::string Quote(const std::string& word)
{
  std::string quoted = "'";
  for (char c : word)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// A fresh folder per test for the files kmvtool reads and writes.
class KmvtoolTest : public TempFolderTest {
protected:
  void Write(const std::string& name, const std::string& bytes) const { WriteBytes(name, bytes); }
  std::string Read(const std::string& name) const { return ReadBytes(name); }
};
