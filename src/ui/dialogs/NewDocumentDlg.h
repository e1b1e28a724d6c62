#pragma once

#include <QDialog>

class QButtonGroup;

// "Neues Dokument": the choice of the built-in sensor model a new project
// starts from. No model is chosen at first.
class CNewDocumentDlg : public QDialog {
  Q_OBJECT

public:
  explicit CNewDocumentDlg(QWidget* parent);
  // 0 to 3 for "Pilot A1" to "Pilot C1", -1 when none is chosen.
  int GetSelection() const;
  void Select(int index);

private:
  QButtonGroup* m_pGroup;
};
