#include "HeightChange.h"

#include "CoverageScene.h"
#include "DetectionHeight.h"
#include "KMVDocument.h"
#include "RaisedFloor.h"

#include <cmath>
#include <cstdio>

std::optional<std::string> DetectionHeightFault(CProject& project, double height)
{
  if (!std::isfinite(height) || height < 0.0)
    return std::string("Die Erfassungsh\xF6he muss eine Zahl ab 0 sein.");
  std::optional<CCoverageScene> scene = CollectCoverageScene(project.GetRoot(), project.GetModules().m_cad1);
  double limit = scene ? DetectionHeightLimit(*scene) : 0.0;
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
