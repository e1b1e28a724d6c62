#include "AddSensorCommand.h"
#include "CoverageCommand.h"
#include "DocumentCommands.h"
#include "OptimizeCommand.h"
#include "PrintLauncher.h"
#include "RenderCommand.h"
#include "RoomCommand.h"
#include "RunCommand.h"
#include "SensorCommand.h"
#include "SourceFile.h"
#include "TreeCommands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: kmvtool COMMAND ...\n"
    "  text SOURCE        read the project and write its text back\n"
    "  tree SOURCE        list the entries, one per line: KEYWORD NAME\n"
    "  get SOURCE PATH    show the entry at PATH, or the number or switch at PATH ending in .@N\n"
    "  run SOURCE [--save OUT] MODULE...\n"
    "                     run the modules (CAD1, MH1, DW1, KW1, MH2, MH3, DW2, DW3, KW2, KW3)\n"
    "                     in order, print NAME STATUS VALUE per run, save the project text to OUT\n"
    "  decode FILE        write the unscrambled bytes of FILE\n"
    "  encode FILE        write the scrambled bytes of FILE\n"
    "  save SOURCE OUT    open SOURCE as the program opens a document and save it to OUT\n"
    "                     (scrambled when OUT ends in .kmv)\n"
    "  sensor SOURCE [STEP...] [--csv FILE]\n"
    "                     open SOURCE as a document, apply the steps, print the status texts\n"
    "                     (MH, KW, DW), one line NAME VERTICES AREA per patch of the results\n"
    "                     group and TOTAL AREA (m2); --csv writes the patches with their\n"
    "                     target surface, area, centroid and visible area\n"
    "                     STEP: mh+ raises the mounting height (MH2), mh- lowers it (MH3),\n"
    "                           kw+ raises the tilt angle (KW2, tilt down), kw- lowers it (KW3),\n"
    "                           dw+ raises the turn angle (DW2, turn right), dw- lowers it (DW3)\n"
    "  coverage SOURCE [STEP...] [--csv FILE] [--map OUT.png] [--cell M] [--no-shadows]\n"
    "       [--at-height Z]\n"
    "                     open SOURCE and apply the steps as sensor does, print the status\n"
    "                     texts, one line PATH AREA WATCHED PERCENT OVERLAP per target surface\n"
    "                     (visible parts of the patches, whole ones with --no-shadows; m2,\n"
    "                     OVERLAP the most parts over one point) and TOTAL AREA WATCHED\n"
    "                     PERCENT; --csv writes the\n"
    "                     surfaces with their blind spots; --map writes a top view of the\n"
    "                     floors, each cell of M metres (0.05) coloured by its patch count\n"
    "                     then ZONE NAME AREA WATCHED PERCENT per no-watch zone of the room's plan;\n"
    "                     --at-height measures the floors and zones on their copies raised by Z m\n"
    "  optimize SOURCE [--surface PATH]... [--save OUT] [--no-shadows] [--at-height Z]\n"
    "       [--keep-zones-free]\n"
    "                     open SOURCE as sensor does and find the setting that watches the\n"
    "                     surfaces most (as coverage measures): every setting the\n"
    "                     steps reach within the limits, ties to the fewest steps; the\n"
    "                     surfaces are the PATHs given, else the floors; print the status\n"
    "                     texts there, WATCHED AREA PERCENT of the surfaces and STEPS with\n"
    "                     the step words that reach it (mh, then dw, then kw); --save writes\n"
    "                     what save writes after those steps; --keep-zones-free counts only\n"
    "                     settings that watch below 0.001 m2 of every no-watch zone (none: status 3)\n"
    "  models             list the built-in sensor models\n"
    "  render SOURCE OUT.png [--size WxH] [--wire]\n"
    "                     open SOURCE as a document and write a picture of its 3D view\n"
    "                     (800x600 unless --size; --wire draws the moving-tool wireframe)\n"
    "  print SOURCE OUT.pdf [--size WxH] [STEP...]\n"
    "                     open SOURCE as a document, apply the steps (as for sensor) and write\n"
    "                     the printed page as a one-page A4 PDF: the three header lines and the\n"
    "                     3D view rendered at WxH (1600x1200 unless --size)\n"
    "  report SOURCE OUT.pdf [--size WxH] [STEP...] [--no-shadows] [--at-height Z]\n"
    "                     as print, then pages of coverage as coverage measures: the map of the\n"
    "                     floors, a table of the target surfaces (area, watched, share as\n"
    "                     coverage prints it, blind spots) and one of the patches (name,\n"
    "                     target, area); A4 portrait, long tables run on over pages\n"
    "  room MODEL OUT (--width W --depth D | --outline \"X,Y X,Y ...\") --height H\n"
    "       [--variant wall|ceiling|corner] [--wall K] [--offset D] [--at X,Y] [--corner K]\n"
    "       [--door K,D,W,H]... [--obstacle X,Y,W,D,H[,A]]... [--zone \"NAME:X,Y X,Y ...\"]...\n"
    "                     write the project of a built-in model (\"Pilot B1\") in the room of the\n"
    "                     plan (metres; W along wall 0 from -y, D away from it), H 2 to 30 m;\n"
    "                     the variant (wall unless given) is the mounting, --wall/--offset,\n"
    "                     --at and --corner place the wall, ceiling and corner sensor;\n"
    "                     OUT is what save writes for that project (scrambled when OUT ends in .kmv)\n"
    "  plan SOURCE        print the room options that make the project's plan, one per line\n"
    "  add-sensor SOURCE MODEL OUT [--wall K] [--offset D] [--at X,Y] [--corner K]\n"
    "       [--variant wall|ceiling|corner]\n"
    "                     add a sensor of a built-in model to the plan project SOURCE at the\n"
    "                     place given (as room places it); OUT is what save writes\n"
    "sensor, coverage, optimize, render, print and report take --sensor N (default 1): the\n"
    "steps, status texts and patch lines are sensor N's; coverage counts the union of all\n"
    "sensors; optimize --all sets every sensor in turn, round after round.\n"
    "A SOURCE ending in .kmv is scrambled, any other is plain project text.\n"
    "Every SOURCE is loaded as the program loads a project: links pushed, text rewritten.\n"
    "save and sensor also take a built-in model as SOURCE: \"*Pilot B1\"; they open a\n"
    "document as the program does, which runs MH1, DW1, KW1 and CAD1.\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage,\n"
    "3 optimize --keep-zones-free found no setting that keeps the zones free.\n";

int Usage()
{
  std::fputs(kUsage, stderr);
  return kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  if (args.size() == 2 && args[0] == "text")
    return RunTextCommand(args[1]);
  if (args.size() == 2 && args[0] == "tree")
    return RunTreeCommand(args[1]);
  if (args.size() == 3 && args[0] == "get")
    return RunGetCommand(args[1], args[2]);
  if (!args.empty() && args[0] == "run") {
    CRunRequest request;
    if (!ParseRunRequest({args.begin() + 1, args.end()}, request))
      return Usage();
    return RunModulesCommand(request);
  }
  if (args.size() == 2 && (args[0] == "decode" || args[0] == "encode"))
    return RunScrambleCommand(args[1]);
  if (args.size() == 3 && args[0] == "save")
    return RunSaveCommand(args[1], args[2]);
  if (!args.empty() && args[0] == "sensor") {
    CSensorRequest request;
    if (!ParseSensorRequest({args.begin() + 1, args.end()}, request))
      return Usage();
    return RunSensorCommand(request);
  }
  if (!args.empty() && args[0] == "coverage") {
    CCoverageRequest request;
    if (!ParseCoverageRequest({args.begin() + 1, args.end()}, request))
      return Usage();
    return RunCoverageCommand(request);
  }
  if (!args.empty() && args[0] == "optimize") {
    COptimizeRequest request;
    if (!ParseOptimizeRequest({args.begin() + 1, args.end()}, request))
      return Usage();
    return RunOptimizeCommand(request);
  }
  if (!args.empty() && args[0] == "render") {
    CRenderRequest request;
    if (!ParseRenderRequest({args.begin() + 1, args.end()}, request))
      return Usage();
    return RunRenderCommand(request);
  }
  if (!args.empty() && (args[0] == "print" || args[0] == "report"))
    return LaunchPrintCommand(argc, argv);
  if (!args.empty() && args[0] == "room")
    return RunRoomCommand({args.begin() + 1, args.end()});
  if (!args.empty() && args[0] == "add-sensor")
    return RunAddSensorCommand({args.begin() + 1, args.end()});
  if (args.size() == 2 && args[0] == "plan")
    return RunPlanCommand(args[1]);
  if (args.size() == 1 && args[0] == "models")
    return RunModelsCommand();
  return Usage();
}
