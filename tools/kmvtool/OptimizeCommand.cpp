#include "OptimizeCommand.h"

#include "DocumentCommands.h"
#include "HeightOption.h"
#include "LoadedDocument.h"
#include "PlacementSearch.h"
#include "SensorCommand.h"
#include "StepLattice.h"
#include "TextEncoding.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::array<const char*, kStepAxes> kAxisWords{"mh", "dw", "kw"};

// The sensor step words that reach the counts, in the order mh, dw, kw.
std::vector<std::string> StepWords(const CStepCounts& counts)
{
  std::vector<std::string> words;
  for (size_t axis = 0; axis < kStepAxes; ++axis)
    words.insert(words.end(), static_cast<size_t>(std::abs(counts[axis])),
                 std::string(kAxisWords[axis]) + (counts[axis] > 0 ? "+" : "-"));
  return words;
}

} // namespace

bool ParseOptimizeRequest(const std::vector<std::string>& args, COptimizeRequest& request)
{
  if (args.empty() || args[0].empty())
    return false;
  request.strSource = args[0];
  bool heightGiven = false;
  for (size_t i = 1; i < args.size(); ++i) {
    bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
    if (args[i] == "--surface" && hasValue)
      request.surfaces.push_back(args[++i]);
    else if (args[i] == "--save" && hasValue && request.strSavePath.empty())
      request.strSavePath = args[++i];
    else if (args[i] == "--no-shadows" && request.bShadows)
      request.bShadows = false;
    else if (args[i] == "--keep-zones-free" && !request.bKeepZonesFree)
      request.bKeepZonesFree = true;
    else if (args[i] == "--at-height" && hasValue && !heightGiven) {
      heightGiven = true;
      request.height = ParseDetectionHeight(args[++i]);
    } else
      return false;
  }
  return true;
}

int RunOptimizeCommand(const COptimizeRequest& request)
{
  std::string savePath = request.strSavePath.empty() ? std::string() : MakeAbsolute(request.strSavePath);
  CLoadedDocument loaded;
  int status = loaded.Open(request.strSource);
  if (!loaded.IsOpen())
    return status;
  CKMVDocument& document = loaded.m_document;
  if (!CheckDetectionHeight(document.GetProject(), request.height))
    return kExitUsage;

  CPlacementRequest search;
  search.text = document.GetText().View();
  search.surfaces.bShadows = request.bShadows;
  search.surfaces.height = request.height;
  search.bKeepZonesFree = request.bKeepZonesFree;
  for (const std::string& path : request.surfaces)
    search.surfaces.paths.push_back(Utf8ToCp1252(path));
  CPlacementOutcome outcome = FindBestPlacement(search);
  if (outcome.status == PlacementStatus::UnknownSurface) {
    PrintError("unbekannte Zielfl\xE4"
               "che " +
               outcome.strUnknownSurface);
    return kExitUsage;
  }
  if (outcome.status == PlacementStatus::NoFreeSetting) {
    PrintError("Keine Einstellung h\xE4lt alle Sperrzonen frei.");
    return kExitNoFreeSetting;
  }
  if (outcome.status != PlacementStatus::Found) {
    PrintError("Der Suchraum ist zu gro\xDF: mehr als " + std::to_string(kMaxLatticeSize) + " Einstellungen oder " +
               std::to_string(kMaxAxisSteps) + " Schritte in einer Richtung.");
    return kExitUsage;
  }

  std::vector<std::string> words = StepWords(outcome.steps);
  StepSensor(document, words, StatusLines::Printed);
  CWatchedSum watched = SumWatched(document.GetProject(), search.surfaces);
  std::printf("WATCHED %.6f %.1f\n", watched.watched,
              watched.area > 0.0 ? 100.0 * watched.watched / watched.area : 0.0);
  std::string line = "STEPS";
  for (const std::string& word : words)
    line += " " + word;
  std::printf("%s\n", line.c_str());

  if (!savePath.empty() && !SaveOpenedDocument(document, request.strSource, savePath))
    return kExitUnreadable;
  return status;
}
