#include "CoverageCommand.h"

#include "Coverage.h"
#include "CoverageFormat.h"
#include "CoverageMap.h"
#include "CsvField.h"
#include "HeightOption.h"
#include "LoadedDocument.h"
#include "MapFont.h"
#include "PlanEntries.h"
#include "PngFileDestination.h"
#include "SafeFileWriter.h"
#include "SensorCommand.h"
#include "SensorUnion.h"
#include "TextEncoding.h"
#include "ZoneCoverage.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

std::string PrintedPath(const CTargetCoverage& entry)
{
  return Cp1252ToUtf8(LinkPath(entry.target.strPath));
}

std::string FormatCsv(const CCoverage& coverage)
{
  std::string csv = "path,area,watched,percent,overlap,blind_spots,blind_area,skipped,hidden\n";
  for (const CTargetCoverage& entry : coverage.targets) {
    const CSurfaceCoverage& c = entry.coverage;
    csv += CsvField(PrintedPath(entry)) + "," + FormatSquareMetres(c.area) + "," + FormatSquareMetres(c.watched) + "," +
           FormatSharePercent(c.watched, c.area) + "," + std::to_string(c.overlap) + "," +
           std::to_string(c.blindSpots.size()) + "," + FormatSquareMetres(c.blindArea) + "," +
           std::to_string(c.nSkipped) + "," + FormatSquareMetres(c.hidden) + "\n";
  }
  return csv;
}

bool ParseCell(const std::string& text, double& cell)
{
  char* end = nullptr;
  cell = std::strtod(text.c_str(), &end);
  return !text.empty() && end && *end == '\0' && cell > 0.0 && cell < HUGE_VAL;
}

// One line per no-watch zone of the room's plan.
void PrintZoneLines(CProject& project, const std::optional<CCoverage>& coverage)
{
  std::optional<CRoomPlan> plan = FindRoomPlan(project);
  if (!plan || !coverage)
    return;
  for (const CZoneCoverage& zone : MeasureZones(*plan, *coverage))
    std::printf("ZONE %s %.6f %.6f %.1f\n", Cp1252ToUtf8(zone.name).c_str(), zone.area, zone.watched,
                zone.area > 0.0 ? 100.0 * zone.watched / zone.area : 0.0);
}

} // namespace

bool ParseCoverageRequest(const std::vector<std::string>& args, CCoverageRequest& request)
{
  if (args.empty() || args[0].empty())
    return false;
  request.strSource = args[0];
  bool cellGiven = false;
  bool heightGiven = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& word = args[i];
    bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
    if (word == "--csv" || word == "--map") {
      std::string& path = word == "--csv" ? request.strCsvPath : request.strMapPath;
      if (!hasValue || !path.empty())
        return false;
      path = args[++i];
    } else if (word == "--sensor") {
      if (!hasValue || !ParseSensorNumber(args[++i], request.sensor))
        return false;
    } else if (word == "--no-shadows") {
      if (!request.bShadows)
        return false;
      request.bShadows = false;
    } else if (word == "--at-height") {
      if (!hasValue || heightGiven)
        return false;
      heightGiven = true;
      request.height = ParseDetectionHeight(args[++i]);
    } else if (word == "--cell") {
      if (!hasValue || cellGiven)
        return false;
      cellGiven = true;
      if (!ParseCell(args[++i], request.cell)) {
        PrintError("ung\xFCltige Zellgr\xF6\xDF"
                   "e " +
                   Utf8ToCp1252(args[i]));
        return false;
      }
    } else if (!IsSensorStep(word)) {
      PrintError("unbekannter Schritt " + Utf8ToCp1252(word));
      return false;
    } else {
      request.steps.push_back(word);
    }
  }
  return true;
}

int RunCoverageCommand(const CCoverageRequest& request)
{
  std::string csvPath = request.strCsvPath.empty() ? std::string() : MakeAbsolute(request.strCsvPath);
  std::string mapPath = request.strMapPath.empty() ? std::string() : MakeAbsolute(request.strMapPath);
  CLoadedDocument loaded;
  int status = OpenAndStep(loaded, request.strSource, request.steps, StatusLines::Omitted, request.sensor);
  if (!loaded.IsOpen())
    return status;
  CKMVDocument& document = loaded.m_document;
  // The height is checked against the stepped sensor, before any line is printed.
  if (!CheckDetectionHeight(document.GetProject(), request.height))
    return kExitUsage;
  StepSensorOf(loaded, request.sensor, {}, StatusLines::Printed);

  std::optional<CCoverage> analysed =
      AnalyseSensorsCoverage(document.GetProject(), *loaded.m_pSensors, request.bShadows, request.height);
  CCoverage coverage = analysed.value_or(CCoverage{});
  std::vector<const CTargetCoverage*> floors = FloorTargets(coverage);
  std::optional<CMapGrid> grid = PlanMapGrid(floors, request.cell);
  if (!mapPath.empty() && !grid) {
    PrintError("Die Karte h\xE4tte mehr als 4096 Zellen je Seite.");
    return kExitUsage;
  }

  double area = 0.0;
  double watched = 0.0;
  for (const CTargetCoverage& entry : coverage.targets) {
    const CSurfaceCoverage& c = entry.coverage;
    std::printf("%s %s %s %s %d\n", PrintedPath(entry).c_str(), FormatSquareMetres(c.area).c_str(),
                FormatSquareMetres(c.watched).c_str(), FormatSharePercent(c.watched, c.area).c_str(), c.overlap);
    area += c.area;
    watched += c.watched;
  }
  std::printf("TOTAL %s %s %s\n", FormatSquareMetres(area).c_str(), FormatSquareMetres(watched).c_str(),
              FormatSharePercent(watched, area).c_str());
  PrintZoneLines(document.GetProject(), analysed);

  std::string error;
  if (!csvPath.empty() && !WriteFileSafely(csvPath, FormatCsv(coverage), error)) {
    PrintError(error);
    return kExitUnreadable;
  }
  if (mapPath.empty())
    return status;
  std::unique_ptr<CMapFont> font = CMapFont::Open(kMapFontPixels, error);
  if (!font) {
    PrintError(error);
    return kExitUnreadable;
  }
  if (!CPngFileDestination(mapPath).PutImage(DrawCoverageMap(coverage, *grid, *font, loaded.m_pSensors->Count()))) {
    PrintError("Das Bild kann nicht nach " + request.strMapPath + " geschrieben werden.");
    return kExitUnreadable;
  }
  return status;
}
