#include "RoomCommand.h"

#include "BuiltinModels.h"
#include "LoadedDocument.h"
#include "RoomProject.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

struct RoomArguments {
  std::string model;
  std::string out;
  std::optional<std::string> width, depth, height, variant, offset;
};

int Refuse(const std::string& line)
{
  std::fprintf(stderr, "kmvtool: room: %s\n", line.c_str());
  return kExitUsage;
}

std::optional<std::string>* OptionSlot(RoomArguments& arguments, const std::string& name)
{
  if (name == "--width")
    return &arguments.width;
  if (name == "--depth")
    return &arguments.depth;
  if (name == "--height")
    return &arguments.height;
  if (name == "--variant")
    return &arguments.variant;
  if (name == "--offset")
    return &arguments.offset;
  return nullptr;
}

// The error line, empty when the arguments are complete.
std::string Split(const std::vector<std::string>& args, RoomArguments& arguments)
{
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i].rfind("--", 0) != 0) {
      words.push_back(args[i]);
      continue;
    }
    std::optional<std::string>* slot = OptionSlot(arguments, args[i]);
    if (!slot)
      return "unknown option " + args[i];
    if (slot->has_value())
      return args[i] + " is given twice";
    if (i + 1 == args.size())
      return args[i] + " needs a value";
    *slot = args[++i];
  }
  if (words.size() != 2)
    return "needs MODEL and OUT, then --width W --depth D --height H";
  arguments.model = words[0];
  arguments.out = words[1];
  for (const char* name : {"--width", "--depth", "--height"})
    if (!OptionSlot(arguments, name)->has_value())
      return std::string("missing option ") + name;
  return {};
}

// A finite number, the whole word; the error line otherwise.
std::string ParseNumber(const char* option, const std::string& word, double& value)
{
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  if (word.empty() || *end != '\0' || !std::isfinite(value))
    return std::string(option) + " '" + word + "' is not a finite number";
  return {};
}

std::string ParseVariant(const std::string& word, RoomVariant& variant)
{
  static constexpr const char* kNames[] = {"wall", "ceiling", "corner"};
  for (int i = 0; i < 3; ++i)
    if (word == kNames[i]) {
      variant = static_cast<RoomVariant>(i);
      return {};
    }
  return "unknown variant '" + word + "' (wall, ceiling or corner)";
}

std::string DescribeFault(RoomFault fault, const RoomRequest& request)
{
  char line[160];
  switch (fault) {
  case RoomFault::Width:
  case RoomFault::Depth:
    std::snprintf(line, sizeof line, "--%s must be from %g to %g m", fault == RoomFault::Width ? "width" : "depth",
                  kMinRoomSide, kMaxRoomSide);
    return line;
  case RoomFault::Height:
    std::snprintf(line, sizeof line, "--height must be from %g to %g m", kMinRoomHeight, kMaxRoomHeight);
    return line;
  case RoomFault::Offset:
    std::snprintf(line, sizeof line, "--offset must lie between 0 and the width %g m, both excluded", request.width);
    return line;
  case RoomFault::OffsetVariant:
    return "--offset is only for --variant wall";
  case RoomFault::Model:
  case RoomFault::None:
    break;
  }
  return "the room cannot be made";
}

// The request from the arguments; the error line when one is refused.
std::string ParseRequest(const RoomArguments& arguments, RoomRequest& request)
{
  std::string error = ParseNumber("--width", *arguments.width, request.width);
  if (error.empty())
    error = ParseNumber("--depth", *arguments.depth, request.depth);
  if (error.empty())
    error = ParseNumber("--height", *arguments.height, request.height);
  if (error.empty() && arguments.variant)
    error = ParseVariant(*arguments.variant, request.variant);
  if (error.empty() && arguments.offset) {
    double offset = 0.0;
    error = ParseNumber("--offset", *arguments.offset, offset);
    request.offset = offset;
  }
  if (!error.empty())
    return error;
  RoomFault fault = CheckRoomRequest(request);
  return fault == RoomFault::None ? std::string() : DescribeFault(fault, request);
}

int FindModel(const std::string& name)
{
  return FindBuiltinModelCode(IsBuiltinModelName(name) ? name : kBuiltinModelMark + name);
}

} // namespace

int RunRoomCommand(const std::vector<std::string>& args)
{
  RoomArguments arguments;
  RoomRequest request;
  if (std::string error = Split(args, arguments); !error.empty())
    return Refuse(error);
  if (std::string error = ParseRequest(arguments, request); !error.empty())
    return Refuse(error);
  request.modelCode = FindModel(arguments.model);
  if (request.modelCode == 0) {
    std::fprintf(stderr, "kmvtool: room: unknown model '%s' (kmvtool models lists them)\n", arguments.model.c_str());
    return kExitUnreadable;
  }
  CTextBuffer text;
  if (MakeRoomProject(request, text) != RoomFault::None) {
    std::fprintf(stderr, "kmvtool: room: the model '%s' could not be read\n", arguments.model.c_str());
    return kExitUnreadable;
  }
  std::string outPath = MakeAbsolute(arguments.out);
  CStderrMessages messages;
  CKMVDocument document;
  document.SetMessageSink(&messages);
  if (!document.OnNewDocumentFromText(RoomTitle(request), text.View()))
    return kExitUnreadable;
  return document.SaveAs(outPath, IsScrambledPath(outPath) ? FileForm::Scrambled : FileForm::Plain) ? kExitOk
                                                                                                      : kExitUnreadable;
}
