#include "RoomCommand.h"

#include "BuiltinModels.h"
#include "LoadedDocument.h"
#include "PlanEntries.h"
#include "PlanOptions.h"
#include "RoomProject.h"
#include "TextEncoding.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

namespace {

constexpr const char* kSingleOptions[] = {"--width", "--depth",  "--outline", "--height", "--variant",
                                          "--wall",  "--offset", "--at",      "--corner"};
constexpr const char* kRepeatedOptions[] = {"--door", "--obstacle", "--zone"};

struct RoomArguments {
  std::string model;
  std::string out;
  std::map<std::string, std::string> single;
  std::map<std::string, std::vector<std::string>> repeated;

  const std::string* Find(const std::string& name) const
  {
    auto it = single.find(name);
    return it == single.end() ? nullptr : &it->second;
  }
};

int Refuse(const std::string& line)
{
  std::fprintf(stderr, "kmvtool: room: %s\n", line.c_str());
  return kExitUsage;
}

// The error line, empty when the arguments are complete.
std::string Split(const std::vector<std::string>& args, RoomArguments& arguments)
{
  COptionLine line;
  if (std::string error = SplitOptions(args, kSingleOptions, kRepeatedOptions, line); !error.empty())
    return error;
  arguments.single = std::move(line.single);
  arguments.repeated = std::move(line.repeated);
  const std::vector<std::string>& words = line.words;
  if (words.size() != 2)
    return "needs MODEL and OUT, then --width W --depth D or --outline \"X,Y X,Y ...\", and --height H";
  arguments.model = words[0];
  arguments.out = words[1];
  const bool rectangle = arguments.Find("--width") || arguments.Find("--depth");
  if (rectangle && arguments.Find("--outline"))
    return "--outline cannot go with --width and --depth";
  for (const char* name :
       rectangle ? std::vector{"--width", "--depth", "--height"} : std::vector{"--outline", "--height"})
    if (!arguments.Find(name))
      return std::string("missing option ") + name;
  return {};
}

std::string DescribeFault(RoomFault fault)
{
  char line[160];
  switch (fault) {
  case RoomFault::Width:
  case RoomFault::Depth:
    std::snprintf(line, sizeof line, "--%s must be from %g to %g m", fault == RoomFault::Width ? "width" : "depth",
                  kMinRoomSide, kMaxRoomSide);
    return line;
  default:
    return {};
  }
}

// Parses the option's value if it is given; the error line names the option.
template <class T, class Parse>
std::string ParseGiven(const RoomArguments& arguments, const char* name, Parse parse, T& value)
{
  const std::string* word = arguments.Find(name);
  if (!word)
    return {};
  std::string error = parse(*word, value);
  return error.empty() ? error : std::string(name) + ": " + error;
}

// The rectangle of --width and --depth, each rounded as stored before the
// corners are computed from it.
std::string ParseRectangle(const RoomArguments& arguments, CRoomPlan& plan)
{
  RoomRequest request;
  std::string error = ParseGiven(arguments, "--width", ParsePlanNumber, request.width);
  if (error.empty())
    error = ParseGiven(arguments, "--depth", ParsePlanNumber, request.depth);
  if (!error.empty())
    return error;
  request.width = RoundToStored(request.width);
  request.depth = RoundToStored(request.depth);
  request.height = kMinRoomHeight;
  if (std::string fault = DescribeFault(CheckRoomRequest(request)); !fault.empty())
    return fault;
  plan.outline = RectanglePlan(request).outline;
  return {};
}

std::string ParsePlan(const RoomArguments& arguments, CRoomPlan& plan)
{
  std::string error = arguments.Find("--outline") ? ParseGiven(arguments, "--outline", ParsePlanPolygon, plan.outline)
                                                  : ParseRectangle(arguments, plan);
  if (error.empty())
    error = ParseGiven(arguments, "--height", ParsePlanNumber, plan.height);
  if (error.empty() && arguments.Find("--variant"))
    error = ParseVariant(*arguments.Find("--variant"), plan.variant);
  if (error.empty())
    error = ParseGiven(arguments, "--wall", ParsePlanIndex, plan.sensorWall);
  auto parseOptional = [&](const char* name, auto parse, auto& slot) {
    typename std::remove_reference_t<decltype(slot)>::value_type value{};
    if (error.empty() && arguments.Find(name) && (error = ParseGiven(arguments, name, parse, value)).empty())
      slot = value;
  };
  parseOptional("--offset", ParsePlanNumber, plan.sensorOffset);
  parseOptional("--at", ParsePlanPoint, plan.sensorAt);
  parseOptional("--corner", ParsePlanIndex, plan.sensorCorner);
  auto parseEach = [&](const char* name, auto parse, auto& list) {
    auto it = arguments.repeated.find(name);
    for (size_t k = 0; error.empty() && it != arguments.repeated.end() && k < it->second.size(); ++k) {
      list.emplace_back();
      if (std::string failure = parse(it->second[k], list.back()); !failure.empty())
        error = std::string(name) + ": " + failure;
    }
  };
  parseEach("--door", ParsePlanDoor, plan.doors);
  parseEach("--obstacle", ParsePlanObstacle, plan.obstacles);
  parseEach("--zone", ParsePlanZone, plan.zones);
  if (!error.empty())
    return error;
  std::optional<CPlanFault> fault = CompleteRoomPlan(plan);
  return fault ? fault->option + ": " + Cp1252ToUtf8(fault->message) : std::string();
}

} // namespace

int RunRoomCommand(const std::vector<std::string>& args)
{
  RoomArguments arguments;
  CRoomPlan plan;
  if (std::string error = Split(args, arguments); !error.empty())
    return Refuse(error);
  if (std::string error = ParsePlan(arguments, plan); !error.empty())
    return Refuse(error);
  const int modelCode = FindModel(arguments.model);
  if (modelCode == 0) {
    std::fprintf(stderr, "kmvtool: room: unknown model '%s' (kmvtool models lists them)\n", arguments.model.c_str());
    return kExitUnreadable;
  }
  CTextBuffer text;
  if (!MakePlanRoomProject(modelCode, plan, text)) {
    std::fprintf(stderr, "kmvtool: room: the model '%s' could not be read\n", arguments.model.c_str());
    return kExitUnreadable;
  }
  std::string outPath = MakeAbsolute(arguments.out);
  CStderrMessages messages;
  CKMVDocument document;
  document.SetMessageSink(&messages);
  if (!document.OnNewDocumentFromText(RoomTitle(plan), text.View()))
    return kExitUnreadable;
  return document.SaveAs(outPath, IsScrambledPath(outPath) ? FileForm::Scrambled : FileForm::Plain) ? kExitOk
                                                                                                    : kExitUnreadable;
}

int RunPlanCommand(const std::string& source)
{
  CLoadedDocument loaded;
  int status = loaded.Open(source);
  if (!loaded.IsOpen())
    return status;
  std::optional<CRoomPlan> plan = FindRoomPlan(loaded.m_document.GetProject());
  if (!plan) {
    std::fprintf(stderr, "kmvtool: plan: %s has no room plan\n", source.c_str());
    return kExitUnreadable;
  }
  std::fputs(FormatPlanOptions(*plan).c_str(), stdout);
  return status;
}
