#include "PrintCommand.h"
#include "SourceFile.h"

#include <cstdio>
#include <string>
#include <vector>

// "kmvtool print" and "kmvtool report" run here, in a program of its own, so
// that only they load Qt and every other kmvtool command starts as fast as
// before. The first argument is the command word.
int main(int argc, char** argv)
{
  std::vector<std::string> args(argv + 1, argv + argc);
  bool report = !args.empty() && args[0] == "report";
  CPrintRequest request;
  if (args.empty() || (args[0] != "print" && !report) ||
      !ParsePrintRequest({args.begin() + 1, args.end()}, request, report)) {
    std::fprintf(stderr, "usage: kmvtool %s SOURCE OUT.pdf [--size WxH] [STEP...]%s\n", report ? "report" : "print",
                 report ? " [--no-shadows]" : "");
    return kExitUsage;
  }
  return report ? RunReportCommand(request) : RunPrintCommand(request);
}
