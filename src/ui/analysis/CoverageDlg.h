#pragma once

#include "Coverage.h"
#include "ZoneCoverage.h"

#include <QDialog>

#include <optional>

class CHeightField;
class QLabel;
class QTableWidget;

// "Abdeckung": the projected coverage of each target surface, modeless; its
// document hands it the analysis after every update.
class CCoverageDlg : public QDialog {
  Q_OBJECT

public:
  explicit CCoverageDlg(QWidget* parent);

  // "Abdeckung - " and the document's title.
  void SetDocumentTitle(const QString& title);
  // The table anew; empty, with the reason, without an analysis. Stale
  // patches (CAD1's last run failed) are said to be out of date.
  void ShowCoverage(const std::optional<CCoverage>& coverage, bool patchesCurrent);
  // The no-watch zones below the surfaces, a watched one in red; hidden
  // without zones.
  void ShowZones(const std::vector<CZoneCoverage>& zones);
  // Places the field above the table; refreshed with every coverage shown.
  void SetHeightField(CHeightField* field);

private:
  QTableWidget* m_pTable;
  QLabel* m_pNote;
  QLabel* m_pZonesCaption;
  QTableWidget* m_pZones;
  CHeightField* m_pHeightField = nullptr;
};
