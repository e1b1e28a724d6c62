#include "OptimizeCommand.h"

#include "DocumentCommands.h"
#include "HeightOption.h"
#include "LoadedDocument.h"
#include "PlacementSearch.h"
#include "SensorCommand.h"
#include "SensorRounds.h"
#include "SensorUnion.h"
#include "StepLattice.h"
#include "SurfaceChoice.h"
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

// Reports a search that found nothing; its exit status (kExitOk when it
// found a setting).
int SearchFailure(const CPlacementOutcome& outcome)
{
  if (outcome.status == PlacementStatus::Found)
    return kExitOk;
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
  PrintError("Der Suchraum ist zu gro\xDF: mehr als " + std::to_string(kMaxLatticeSize) + " Einstellungen oder " +
             std::to_string(kMaxAxisSteps) + " Schritte in einer Richtung.");
  return kExitUsage;
}

// The chosen surfaces as every sensor watches them.
CWatchedSum UnionWatched(CLoadedDocument& loaded, const CSurfaceChoice& surfaces)
{
  CProject& project = loaded.m_document.GetProject();
  if (loaded.m_pSensors->Count() == 1)
    return SumWatched(project, surfaces);
  return SumWatched(
      AnalyseSensorsCoverage(project, *loaded.m_pSensors, surfaces.bShadows, surfaces.height).value_or(CCoverage{}),
      surfaces);
}

void PrintWatched(CLoadedDocument& loaded, const CSurfaceChoice& surfaces)
{
  CWatchedSum watched = UnionWatched(loaded, surfaces);
  std::printf("WATCHED %.6f %.1f\n", watched.watched,
              watched.area > 0.0 ? 100.0 * watched.watched / watched.area : 0.0);
}

// The loaded document as the rounds' room: the steps run as "sensor" runs
// them.
class CDocumentRoom : public CSensorRoom {
public:
  explicit CDocumentRoom(CLoadedDocument& loaded) : m_loaded(loaded) {}

  size_t Count() override { return m_loaded.m_pSensors->Count(); }
  std::string Text() override { return std::string(m_loaded.m_document.GetText().View()); }
  void Move(size_t sensor, const CStepCounts& steps) override
  {
    StepSensorOf(m_loaded, sensor, StepWords(steps), StatusLines::Omitted);
  }
  CWatchedSum Union(const CSurfaceChoice& choice) override { return UnionWatched(m_loaded, choice); }

private:
  CLoadedDocument& m_loaded;
};

// Every sensor set to its best in rounds; prints every sensor's status
// texts, the union and one line "STEPS N WORD..." per sensor. Returns the
// exit status: a search that finds nothing is reported and ends the
// command without output or saving.
int OptimizeAllSensors(CLoadedDocument& loaded, const CPlacementRequest& search, const std::string& savePath,
                       const std::string& source)
{
  CDocumentRoom room(loaded);
  const CRoundsOutcome outcome = FindBestPlacements(room, search);
  if (int failure = SearchFailure(outcome.last))
    return failure;
  const size_t count = loaded.m_pSensors->Count();
  for (size_t sensor = 1; sensor <= count; ++sensor)
    StepSensorOf(loaded, sensor, {}, StatusLines::Printed);
  PrintWatched(loaded, search.surfaces);
  for (size_t sensor = 1; sensor <= count; ++sensor) {
    std::string line = "STEPS " + std::to_string(sensor);
    for (const std::string& word : StepWords(outcome.moved[sensor - 1]))
      line += " " + word;
    std::printf("%s\n", line.c_str());
  }
  if (!savePath.empty() && !SaveOpenedDocument(loaded.m_document, source, savePath))
    return kExitUnreadable;
  return kExitOk;
}

} // namespace

bool ParseOptimizeRequest(const std::vector<std::string>& args, COptimizeRequest& request)
{
  if (args.empty() || args[0].empty())
    return false;
  request.strSource = args[0];
  bool heightGiven = false;
  bool sensorGiven = false;
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
    } else if (args[i] == "--sensor" && hasValue && !sensorGiven && ParseSensorNumber(args[i + 1], request.sensor))
      sensorGiven = ++i;
    else if (args[i] == "--all" && !request.bAllSensors)
      request.bAllSensors = true;
    else
      return false;
  }
  return !(request.bAllSensors && sensorGiven);
}

int RunOptimizeCommand(const COptimizeRequest& request)
{
  std::string savePath = request.strSavePath.empty() ? std::string() : MakeAbsolute(request.strSavePath);
  CLoadedDocument loaded;
  int status = OpenAndStep(loaded, request.strSource, {}, StatusLines::Omitted, request.sensor);
  if (!loaded.IsOpen())
    return status;
  CKMVDocument& document = loaded.m_document;
  if (!CheckDetectionHeight(document.GetProject(), request.height))
    return kExitUsage;

  CPlacementRequest search;
  search.text = document.GetText().View();
  search.sensor = request.sensor;
  search.surfaces.bShadows = request.bShadows;
  search.surfaces.height = request.height;
  search.bKeepZonesFree = request.bKeepZonesFree;
  for (const std::string& path : request.surfaces)
    search.surfaces.paths.push_back(Utf8ToCp1252(path));
  if (request.bAllSensors) {
    if (int failure = OptimizeAllSensors(loaded, search, savePath, request.strSource))
      return failure;
    return status;
  }
  CPlacementOutcome outcome = FindBestPlacement(search);
  if (int failure = SearchFailure(outcome))
    return failure;

  std::vector<std::string> words = StepWords(outcome.steps);
  StepSensorOf(loaded, request.sensor, words, StatusLines::Printed);
  PrintWatched(loaded, search.surfaces);
  std::string line = "STEPS";
  for (const std::string& word : words)
    line += " " + word;
  std::printf("%s\n", line.c_str());

  if (!savePath.empty() && !SaveOpenedDocument(document, request.strSource, savePath))
    return kExitUnreadable;
  return status;
}
