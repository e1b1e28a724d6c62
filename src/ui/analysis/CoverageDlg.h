#pragma once

#include "Coverage.h"
#include "ZoneCoverage.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class CHeightField;
class CMapFont;
class QLabel;
class QTableWidget;

// "Abdeckung": the projected coverage of each target surface, modeless; its
// document hands it the analysis after every update.
class CCoverageDlg : public QDialog {
  Q_OBJECT

public:
  explicit CCoverageDlg(QWidget* parent);
  ~CCoverageDlg() override;

  // "Abdeckung - " and the document's title.
  void SetDocumentTitle(const QString& title);
  // The table anew; empty, with the reason, without an analysis. Stale
  // patches (CAD1's last run failed) are said to be out of date. With two or
  // more sensors (each one's coverage alone) the coverage is their union:
  // a column per sensor, and beside the table the map of how many sensors
  // watch each point of the floors.
  void ShowCoverage(const std::optional<CCoverage>& coverage, bool patchesCurrent,
                    const std::vector<std::optional<CCoverage>>& sensors = {});
  // The no-watch zones below the surfaces, a watched one in red; hidden
  // without zones.
  void ShowZones(const std::vector<CZoneCoverage>& zones);
  // Places the field above the table; refreshed with every coverage shown.
  void SetHeightField(CHeightField* field);

private:
  // As large as the table and map want, up to the screen.
  void FitToContents();
  void ShowCountMap(const std::optional<CCoverage>& united, size_t sensors);

  QTableWidget* m_pTable;
  QLabel* m_pCountCaption;
  QLabel* m_pCountMap;
  std::unique_ptr<CMapFont> m_pMapFont;
  QLabel* m_pNote;
  QLabel* m_pZonesCaption;
  QTableWidget* m_pZones;
  CHeightField* m_pHeightField = nullptr;
};
