#pragma once

#include "RoomProject.h"

#include <QDialog>

#include <memory>

class CFieldBinder;
class CMessageSink;
class QButtonGroup;
class QComboBox;
class QLineEdit;

// "Neuer Raum": the sensor model, the room's shape (a rectangle of width
// and depth, or "Grundriss zeichnen": an outline drawn in the plan window),
// its height, the mounting variant and, on a wall of a rectangle, the
// sensor's offset along it. OK checks
// every field with the dialogs' German messages and stays open on a refusal.
class CNewRoomDlg : public QDialog {
  Q_OBJECT

public:
  CNewRoomDlg(CMessageSink& messages, QWidget* parent);
  ~CNewRoomDlg() override;
  // The room the dialog was left with; valid after OK.
  const RoomRequest& GetRequest() const { return m_request; }

  void accept() override;

private:
  // TRUE when the offset field is left empty (the middle of the wall) or
  // holds a number strictly inside the wall; shows the message otherwise.
  bool StoreOffset();
  void EnableOffset();
  bool IsDrawing() const;

  CMessageSink& m_messages;
  RoomRequest m_request;
  double m_width = 6.4;
  double m_depth = 8.2;
  double m_height = 2.75;
  QButtonGroup* m_pModels;
  QButtonGroup* m_pShapes;
  QLineEdit* m_pWidth = nullptr;
  QLineEdit* m_pDepth = nullptr;
  QComboBox* m_pVariant;
  QLineEdit* m_pOffset;
  std::unique_ptr<CFieldBinder> m_pBinder;
};
