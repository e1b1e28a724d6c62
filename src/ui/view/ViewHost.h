#pragma once

#include "Coverage.h"
#include "ShadowLayer.h"
#include "ZoneCoverage.h"

#include <QString>

#include <optional>
#include <vector>

class CKMVDocument;
class CMessageSink;
class QPrinter;

// What a 3D view needs of the document whose windows it lives in. The shell
// implements it, so the view never reaches the application or its frames.
class CViewHost {
public:
  virtual ~CViewHost() = default;
  virtual CKMVDocument& GetDocument() = 0;
  // The projected coverage at the last update; none without CAD1's entries.
  virtual const std::optional<CCoverage>& GetCoverage() const = 0;
  // The room plan's no-watch zones measured with that coverage, in plan order.
  virtual const std::vector<CZoneCoverage>& GetZones() const = 0;
  // With several sensors, each shown sensor's coverage alone at the last
  // update; none with one sensor or without coverage.
  virtual const std::optional<std::vector<CSensorPatches>>& GetSensorPatches() const = 0;
  // The three status-bar texts of the document's sensor and the floor's
  // coverage.
  virtual void ShowSensorStatus() = 0;
  // Makes sensor N current, as a choice in the tree does; nothing for a
  // sensor the document does not hold.
  virtual void ChooseSensor(size_t sensor) = 0;
  // The document's name as the user sees it.
  virtual QString GetTitle() const = 0;
  // Where messages go: boxes over the main window.
  virtual CMessageSink& GetMessages() = 0;
  // The program's one printer, with the settings of the printer setup.
  virtual QPrinter& GetPrinter() = 0;
};
