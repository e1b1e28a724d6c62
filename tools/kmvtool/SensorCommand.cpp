#include "SensorCommand.h"

#include "CsvField.h"
#include "LoadedDocument.h"
#include "ModuleCommands.h"
#include "PatchSurvey.h"
#include "SafeFileWriter.h"
#include "TextEncoding.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

// The sign names the direction of the printed value: tilting the sensor
// down raises the tilt angle, turning it right raises the turn angle.
constexpr std::array<std::pair<const char*, int>, 6> kSteps{{
    {"mh+", ID_HEIGHT_UP},
    {"mh-", ID_HEIGHT_DOWN},
    {"kw+", ID_TILT_DOWN},
    {"kw-", ID_TILT_UP},
    {"dw+", ID_TURN_RIGHT},
    {"dw-", ID_TURN_LEFT},
}};

int StepCommand(const std::string& step)
{
  for (const auto& [name, command] : kSteps)
    if (step == name)
      return command;
  return 0;
}

// Values that print as zero print without a sign.
std::string FormatNumber(double value)
{
  char text[512];
  std::snprintf(text, sizeof text, "%.6f", std::fabs(value) < 5e-7 ? 0.0 : value);
  return text;
}

std::string FormatCsv(const std::vector<PatchInfo>& patches)
{
  std::string csv = "name,target,vertices,area,x,y,z,visible\n";
  for (const PatchInfo& patch : patches)
    csv += CsvField(Cp1252ToUtf8(patch.strName)) + "," + CsvField(Cp1252ToUtf8(patch.strTargetPath)) + "," +
           std::to_string(patch.nVertices) + "," + FormatNumber(patch.area) + "," + FormatNumber(patch.centroid.x) +
           "," + FormatNumber(patch.centroid.y) + "," + FormatNumber(patch.centroid.z) + "," +
           FormatNumber(patch.visible) + "\n";
  return csv;
}

} // namespace

bool IsSensorStep(const std::string& word)
{
  return StepCommand(word) != 0;
}

void StepSensor(CKMVDocument& document, const std::vector<std::string>& steps, StatusLines lines)
{
  for (const std::string& step : steps)
    if (std::optional<ModuleCommand> command = MapCommand(StepCommand(step)))
      document.RunModuleCommand(command->index, command->configure);
  if (lines == StatusLines::Printed)
    for (const std::string& line : FormatSensorStatus(document.GetSensorValues()))
      std::printf("%s\n", Cp1252ToUtf8(line).c_str());
}

bool ParseSensorNumber(const std::string& word, size_t& sensor)
{
  if (word.empty() || word.size() > 6 || word.find_first_not_of("0123456789") != std::string::npos)
    return false;
  sensor = std::stoul(word);
  return sensor > 0;
}

int OpenAndStep(CLoadedDocument& loaded, const std::string& source, const std::vector<std::string>& steps,
                StatusLines lines, size_t sensor)
{
  int status = loaded.Open(source);
  if (!loaded.IsOpen())
    return status;
  loaded.m_pSensors = std::make_unique<CSensorSet>(loaded.m_document.GetProject());
  CSensorSet& sensors = *loaded.m_pSensors;
  if (sensor > sensors.Count()) {
    PrintError("--sensor " + std::to_string(sensor) + ": the project has " + std::to_string(sensors.Count()) +
               " sensors");
    loaded.Close();
    return kExitUsage;
  }
  for (size_t other = 2; other <= sensors.Count(); ++other)
    sensors.ReadValues(other);
  StepSensorOf(loaded, sensor, steps, lines);
  return status;
}

void StepSensorOf(CLoadedDocument& loaded, size_t sensor, const std::vector<std::string>& steps, StatusLines lines)
{
  if (sensor == 1) {
    StepSensor(loaded.m_document, steps, lines);
    return;
  }
  CSensorSet& sensors = *loaded.m_pSensors;
  for (const std::string& step : steps)
    if (std::optional<ModuleCommand> command = MapCommand(StepCommand(step)))
      sensors.Run(sensor, command->index, command->configure);
  const SensorValues values = sensors.ReadValues(sensor);
  if (lines == StatusLines::Printed)
    for (const std::string& line : FormatSensorStatus(values))
      std::printf("%s\n", Cp1252ToUtf8(line).c_str());
}

bool ParseSensorRequest(const std::vector<std::string>& args, CSensorRequest& request)
{
  if (args.empty() || args[0].empty())
    return false;
  request.strSource = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--sensor") {
      if (i + 1 == args.size() || !ParseSensorNumber(args[i + 1], request.sensor))
        return false;
      ++i;
    } else if (args[i] == "--csv") {
      if (i + 1 == args.size() || !request.strCsvPath.empty() || args[i + 1].empty())
        return false;
      request.strCsvPath = args[++i];
    } else if (!IsSensorStep(args[i])) {
      PrintError("unbekannter Schritt " + Utf8ToCp1252(args[i]));
      return false;
    } else {
      request.steps.push_back(args[i]);
    }
  }
  return true;
}

int RunSensorCommand(const CSensorRequest& request)
{
  std::string csvPath = request.strCsvPath.empty() ? std::string() : MakeAbsolute(request.strCsvPath);
  CLoadedDocument loaded;
  int status = OpenAndStep(loaded, request.strSource, request.steps, StatusLines::Printed, request.sensor);
  if (!loaded.IsOpen())
    return status;
  std::vector<PatchInfo> patches =
      SurveyPatches(loaded.m_document.GetProject().GetRoot(), loaded.m_pSensors->Modules(request.sensor).m_cad1);
  double total = 0.0;
  for (const PatchInfo& patch : patches) {
    std::printf("%s %zu %s\n", Cp1252ToUtf8(patch.strName).c_str(), patch.nVertices, FormatNumber(patch.area).c_str());
    total += patch.area;
  }
  std::printf("TOTAL %s\n", FormatNumber(total).c_str());
  std::string error;
  if (!csvPath.empty() && !WriteFileSafely(csvPath, FormatCsv(patches), error)) {
    PrintError(error);
    return kExitUnreadable;
  }
  return status;
}
