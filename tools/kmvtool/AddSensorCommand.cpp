#include "AddSensorCommand.h"

#include "LoadedDocument.h"
#include "PlanEntries.h"
#include "PlanOptions.h"
#include "SensorChange.h"
#include "SensorSet.h"
#include "TextEncoding.h"

#include <cstdio>
#include <map>
#include <optional>

namespace {

constexpr const char* kOptions[] = {"--wall", "--offset", "--at", "--corner", "--variant"};

struct AddSensorArguments {
  std::string source;
  std::string model;
  std::string out;
  std::map<std::string, std::string> options;
};

int Refuse(const std::string& line)
{
  std::fprintf(stderr, "kmvtool: add-sensor: %s\n", line.c_str());
  return kExitUsage;
}

// The error line, empty when the arguments are complete.
std::string Split(const std::vector<std::string>& args, AddSensorArguments& arguments)
{
  COptionLine line;
  if (std::string error = SplitOptions(args, kOptions, {}, line); !error.empty())
    return error;
  arguments.options = std::move(line.single);
  const std::vector<std::string>& words = line.words;
  if (words.size() != 3)
    return "needs SOURCE, MODEL and OUT";
  arguments.source = words[0];
  arguments.model = words[1];
  arguments.out = words[2];
  return {};
}

// The place options on the room's plan, checked and completed as room does.
std::string ParsePlace(const AddSensorArguments& arguments, CProject& source, CRoomPlan& plan)
{
  CSensorPlaceRequest request;
  std::string error;
  auto parse = [&](const char* name, auto parser, auto& value) {
    auto it = arguments.options.find(name);
    if (!error.empty() || it == arguments.options.end())
      return;
    std::remove_cvref_t<decltype(*value)> parsed{};
    if (std::string failure = parser(it->second, parsed); !failure.empty())
      error = std::string(name) + ": " + failure;
    else
      value = parsed;
  };
  if (auto it = arguments.options.find("--variant"); it != arguments.options.end())
    error = ParseVariant(it->second, request.variant);
  std::optional<size_t> wall;
  parse("--wall", ParsePlanIndex, wall);
  parse("--offset", ParsePlanNumber, request.offset);
  parse("--at", ParsePlanPoint, request.at);
  parse("--corner", ParsePlanIndex, request.corner);
  if (!error.empty())
    return error;
  request.wall = wall.value_or(0);
  std::optional<CPlanFault> fault = PlaceNewSensor(source, request, plan);
  return fault ? fault->option + ": " + Cp1252ToUtf8(fault->message) : std::string();
}

} // namespace

int RunAddSensorCommand(const std::vector<std::string>& args)
{
  AddSensorArguments arguments;
  if (std::string error = Split(args, arguments); !error.empty())
    return Refuse(error);
  const int modelCode = FindModel(arguments.model);
  if (modelCode == 0) {
    std::fprintf(stderr, "kmvtool: add-sensor: unknown model '%s' (kmvtool models lists them)\n",
                 arguments.model.c_str());
    return kExitUnreadable;
  }
  std::string outPath = MakeAbsolute(arguments.out);
  CLoadedDocument loaded;
  if (int status = loaded.Open(arguments.source); status != kExitOk)
    return status;
  CProject& source = loaded.m_document.GetProject();
  if (!FindRoomPlan(source)) {
    std::fprintf(stderr, "kmvtool: add-sensor: %s has no room plan\n", arguments.source.c_str());
    return kExitUnreadable;
  }
  CRoomPlan plan;
  if (std::string error = ParsePlace(arguments, source, plan); !error.empty())
    return Refuse(error);
  std::optional<std::string> text = AddSensorText(source, modelCode, plan);
  if (!text) {
    std::fprintf(stderr, "kmvtool: add-sensor: the model '%s' could not be read\n", arguments.model.c_str());
    return kExitUnreadable;
  }
  CStderrMessages messages;
  CKMVDocument document;
  document.SetMessageSink(&messages);
  if (!document.OnNewDocumentFromText(loaded.m_document.GetTitle(), *text))
    return kExitUnreadable;
  CSensorSet sensors(document.GetProject());
  sensors.ReadValues(sensors.Count());
  return document.SaveAs(outPath, IsScrambledPath(outPath) ? FileForm::Scrambled : FileForm::Plain) ? kExitOk
                                                                                                    : kExitUnreadable;
}
