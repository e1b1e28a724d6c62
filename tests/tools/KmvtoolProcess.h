#pragma once

#include "ShellCommand.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

// Runs kmvtool with the arguments (quoted by the test) and collects stdout;
// stderr is dropped unless it is asked for, then it follows stdout.
inline CCommandResult Kmvtool(const std::string& arguments, bool withErrors = false)
{
  return RunShell(std::string(KMVTOOL_PATH) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null"));
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
