#include "PrintCommand.h"
#include "SourceFile.h"

#include <cstdio>
#include <string>
#include <vector>

// "kmvtool print" runs here, in a program of its own, so that only printing
// loads Qt and every other kmvtool command starts as fast as before.
int main(int argc, char** argv)
{
  std::vector<std::string> args(argv + 1, argv + argc);
  CPrintRequest request;
  if (!ParsePrintRequest(args, request)) {
    std::fputs("usage: kmvtool print SOURCE OUT.pdf [--size WxH] [STEP...]\n", stderr);
    return kExitUsage;
  }
  return RunPrintCommand(request);
}
