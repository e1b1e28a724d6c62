#pragma once

#include "Coverage.h"

#include <QDialog>

#include <optional>

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
  // The table anew; empty, with the reason, without an analysis.
  void ShowCoverage(const std::optional<CCoverage>& coverage);

private:
  QTableWidget* m_pTable;
  QLabel* m_pNote;
};
