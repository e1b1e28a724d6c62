#pragma once

#include "SensorChange.h"

#include <QDialog>

class CMessageSink;
class CProject;
class QButtonGroup;
class QComboBox;
class QLineEdit;

// "Sensor hinzufügen": a built-in model and its place in the project's plan
// by mounting variant: a wall (numbered from 1, as the plan window numbers
// them) with the offset along it, a point X, Y on the ceiling, or a corner.
// An empty field takes the default (the wall's middle, the room's centre,
// the first corner below 180 degrees). OK checks the place against the plan
// with its German message and stays open on a refusal.
class CAddSensorDlg : public QDialog {
  Q_OBJECT

public:
  CAddSensorDlg(CProject& project, CMessageSink& messages, QWidget* parent);
  // Valid after OK.
  int GetModelCode() const { return m_nModelCode; }
  const CSensorPlaceRequest& GetRequest() const { return m_request; }

  void accept() override;

private:
  void EnableFields();
  // FALSE, with its message shown and the field focused, when a field does
  // not hold what it must.
  bool ReadFields(CSensorPlaceRequest& request);
  void Refuse(QLineEdit* field, const std::string& message);

  CProject& m_project;
  CMessageSink& m_messages;
  int m_nModelCode = 0;
  CSensorPlaceRequest m_request;
  QButtonGroup* m_pModels;
  QComboBox* m_pVariant;
  QLineEdit* m_pWall;
  QLineEdit* m_pOffset;
  QLineEdit* m_pX;
  QLineEdit* m_pY;
  QLineEdit* m_pCorner;
};

// "Sensor hinzufügen...": the dialog, then the sensor added as one step.
void RunAddSensor(QWidget& parent, CKMVDocument& document, CMessageSink& messages);
