#include "HeightChange.h"

#include "CoverageScene.h"
#include "DetectionHeight.h"
#include "KMVDocument.h"
#include "RaisedFloor.h"
#include "SensorSet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::optional<std::string> DetectionHeightFault(CProject& project, double height)
{
  if (!std::isfinite(height) || height < 0.0)
    return std::string("Die Erfassungsh\xF6he muss eine Zahl ab 0 sein.");
  // Every sensor's floor parts are raised: the lowest limit holds for all.
  CSensorSet sensors(project);
  double limit = HUGE_VAL;
  for (size_t sensor = 1; sensor <= sensors.Count(); ++sensor) {
    std::optional<CCoverageScene> scene = CollectCoverageScene(project.GetRoot(), sensors.Modules(sensor).m_cad1);
    limit = std::min(limit, scene ? DetectionHeightLimit(*scene) : 0.0);
  }
  if (IsDetectionHeightAllowed(height, limit))
    return std::nullopt;
  char text[96];
  std::snprintf(text, sizeof text, "Die Erfassungsh\xF6he muss unter %.2f m liegen.", limit);
  return std::string(text);
}

std::optional<std::string> ChangeDetectionHeight(CKMVDocument& document, double height)
{
  CProject& project = document.GetProject();
  if (std::optional<std::string> fault = DetectionHeightFault(project, height))
    return fault;
  if (height == ReadDetectionHeight(project))
    return std::nullopt;
  CDocumentChange change(document, kDetectionHeightName);
  WriteDetectionHeight(project, height);
  project.Refresh();
  // Loaded again as undo loads it, which updates every view.
  document.RestoreText(std::string(document.GetText().View()));
  document.SetModifiedFlag();
  return std::nullopt;
}
